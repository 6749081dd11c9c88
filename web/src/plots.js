// The page's charts, drawn with uPlot: the landscape with the search on it,
// a histogram, the exact map and the distance to equilibrium. Each follows
// its box's width, and tells what it shows in words, in the element that
// its box's aria-describedby names.
import uPlot from 'uplot';
import { tickLabels } from './formats.js';

const axis = (label, extra = {}) => ({ label, stroke: '#1a1a1a', grid: { stroke: '#ddd' }, ...extra });
const distinctTicks = (u, splits) => tickLabels(splits);

// A chart in element, as wide as element; its legend shows only when it has
// more than one series.
// ticks names the axes ('x', 'y') whose labels keep apart every two ticks.
function chart(element, height, xLabel, yLabel, series, data, extra = {}, ticks = '') {
  const values = (name) => (ticks.includes(name) ? { values: distinctTicks } : {});
  const options = {
    width: Math.max(element.clientWidth, 200), height, series: [{ label: xLabel }, ...series],
    axes: [axis(xLabel, values('x')), axis(yLabel, values('y'))], cursor: { drag: { x: false, y: false } },
    legend: { show: series.length > 1 }, ...extra,
  };
  const plot = new uPlot(options, data, element);
  element.chart = plot; // for the checks, and for a look from the browser's console
  new ResizeObserver(() => {
    const width = Math.max(element.clientWidth, 200);
    if (width !== plot.width) plot.setSize({ width, height });
  }).observe(element);
  return plot;
}

// Writes text into the summary of the chart in element.
export function summarize(element, text) {
  document.getElementById(element.getAttribute('aria-describedby')).textContent = text;
}

// f(x), with the search drawn on top: a dot at marks.current and a ring at
// marks.best ({x, f} or null); call redraw() after changing them, and
// show(xs, fs) to draw another f.
export function landscapePlot(element, marks) {
  const dot = (u, point, fill) => {
    if (point === null) return;
    const ctx = u.ctx;
    ctx.beginPath();
    ctx.arc(u.valToPos(point.x, 'x', true), u.valToPos(point.f, 'y', true), 7 * devicePixelRatio, 0, 2 * Math.PI);
    ctx.lineWidth = 3 * devicePixelRatio;
    ctx.strokeStyle = fill ? '#a51d2d' : '#1a5fb4';
    ctx.fillStyle = '#a51d2d';
    if (fill) ctx.fill();
    ctx.stroke();
  };
  const hooks = { draw: [(u) => { dot(u, marks.best, false); dot(u, marks.current, true); }] };
  const plot = chart(element, 300, 'x', 'f(x)', [{ label: 'f(x)', stroke: '#333', width: 1.5 }],
    [[], []], { hooks, scales: { x: { time: false } } });
  return { redraw: () => plot.redraw(false), show: (xs, fs) => plot.setData([xs, fs]) };
}

// A histogram of bins ({low, width, counts}), its counts on a log scale so
// that rare outcomes show beside common ones, a bin of one run included.
export function histogramPlot(element, xLabel) {
  const bars = uPlot.paths.bars({ size: [1, Infinity], align: 1 });
  const series = [{ label: 'runs', stroke: '#1a5fb4', fill: '#1a5fb4aa', paths: bars, points: { show: false } }];
  let shown = { low: 0, width: 1, counts: [] };
  const top = () => Math.max(10, ...shown.counts) * 2;
  const scales = {
    x: { time: false, range: () => [shown.low, shown.low + shown.width * Math.max(shown.counts.length, 1)] },
    y: { distr: 3, range: () => [0.5, top()] }, // a bin of 1 stands a factor 2 above the floor
  };
  const plot = chart(element, 260, xLabel, 'runs', series, [[], []], { scales }, 'x');
  return {
    show(bins) {
      shown = bins;
      const xs = bins.counts.map((_, i) => bins.low + i * bins.width);
      plot.setData([xs, bins.counts.map((c) => c || null)]);
    },
  };
}

// Where the search is beside the Boltzmann distribution, by bars of the
// grid, on a probability axis from 0.
export function mapPlot(element) {
  const bars = uPlot.paths.bars({ size: [1, Infinity] });
  const series = [
    { label: 'the search', stroke: '#1a5fb4', fill: '#1a5fb488', paths: bars, points: { show: false } },
    { label: 'Boltzmann', stroke: '#a51d2d', width: 2, paths: uPlot.paths.stepped({ align: 0 }), points: { show: false } },
  ];
  const scales = { x: { time: false }, y: { range: (u, low, high) => [0, (high > 0 ? high : 1) * 1.05] } };
  const plot = chart(element, 260, 'x', 'probability', series, [[], [], []], { scales }, 'y');
  return { show: (xs, current, boltzmann) => plot.setData([xs, Array.from(current), Array.from(boltzmann)]) };
}

// The total-variation distance to equilibrium, level by level.
export function distancePlot(element) {
  const series = [{ label: 'distance to Boltzmann', stroke: '#1a5fb4', width: 2, points: { show: false } }];
  const plot = chart(element, 220, 'level', 'distance to Boltzmann', series, [[], []],
    { scales: { x: { time: false } } }, 'y');
  return { show: (levels, distances) => plot.setData([levels, distances]) };
}

// The time to target: each method's chance of having reached the target
// against the solutions examined, on an axis from 0 to 1.
export function curvesPlot(element, names) {
  const colours = ['#1a5fb4', '#26a269', '#a51d2d'];
  const series = names.map((label, i) => ({ label, stroke: colours[i % colours.length], width: 2, points: { show: false } }));
  const scales = { x: { time: false }, y: { range: [0, 1] } };
  const plot = chart(element, 240, 'solutions examined', 'reached the target', series,
    [[], ...names.map(() => [])], { scales });
  return { show: (examined, curves) => plot.setData([Array.from(examined), ...curves.map((c) => Array.from(c))]) };
}
