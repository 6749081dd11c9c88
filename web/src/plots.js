// The page's charts, drawn with uPlot: the landscape with the search on it,
// a histogram, the exact map and the distance to equilibrium. Each follows
// its box's width, and tells what it shows in words, in the element that
// its box's aria-describedby names.
import uPlot from 'uplot';
import { tickLabels } from './formats.js';
import { say, text, onLanguage, currentLanguage } from './texts.js';
import { numberText } from './words.js';

// Ticks with the fewest digits that keep them apart, with the language's decimal mark.
const distinctTicks = (u, splits) => tickLabels(splits.map((v) => v ?? 0))
  .map((label, i) => (splits[i] === null ? '' : numberText(currentLanguage(), Number(label))));
// An axis labelled with message key; a series' label in the legend, message key.
const axis = (key) => ({ label: () => text(key), stroke: '#1a1a1a', grid: { stroke: '#ddd' }, values: distinctTicks });
function legendLabel(key) {
  const span = document.createElement('span');
  say(span, key);
  return span;
}

// A chart in element, as wide as element, its axes labelled with the
// messages xLabel and yLabel and its series' labels messages too; its
// legend shows only when it has more than one series.
function chart(element, height, xLabel, yLabel, series, data, extra = {}) {
  const labelled = series.map((s) => ({ ...s, label: legendLabel(s.label) }));
  const options = {
    width: Math.max(element.clientWidth, 200), height, series: [{ label: legendLabel(xLabel) }, ...labelled],
    axes: [axis(xLabel), axis(yLabel)], cursor: { drag: { x: false, y: false } },
    legend: { show: series.length > 1 }, ...extra,
  };
  const plot = new uPlot(options, data, element);
  onLanguage(() => plot.redraw(false, true));
  element.chart = plot; // for the checks, and for a look from the browser's console
  new ResizeObserver(() => {
    const width = Math.max(element.clientWidth, 200);
    if (width !== plot.width) plot.setSize({ width, height });
  }).observe(element);
  return plot;
}

// Writes message key into the summary of the chart in element.
export function summarize(element, key, params = {}) {
  say(document.getElementById(element.getAttribute('aria-describedby')), key, params);
}

// f(x) over xs, with the search drawn on top: a dot at marks.current and a
// ring at marks.best ({x, f} or null); call redraw() after changing them.
export function landscapePlot(element, xs, fs, marks) {
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
  const plot = chart(element, 300, 'plot.x', 'plot.f', [{ label: 'plot.f', stroke: '#333', width: 1.5 }],
    [xs, fs], { hooks, scales: { x: { time: false } } });
  return { redraw: () => plot.redraw(false) };
}

// A histogram of bins, xLabel the message of its x axis ({low, width, counts}), its counts on a log scale so
// that rare outcomes show beside common ones, a bin of one run included.
export function histogramPlot(element, xLabel) {
  const bars = uPlot.paths.bars({ size: [1, Infinity], align: 1 });
  const series = [{ label: 'many.runs', stroke: '#1a5fb4', fill: '#1a5fb4aa', paths: bars, points: { show: false } }];
  let shown = { low: 0, width: 1, counts: [] };
  const top = () => Math.max(10, ...shown.counts) * 2;
  const scales = {
    x: { time: false, range: () => [shown.low, shown.low + shown.width * Math.max(shown.counts.length, 1)] },
    y: { distr: 3, range: () => [0.5, top()] }, // a bin of 1 stands a factor 2 above the floor
  };
  const plot = chart(element, 260, xLabel, 'many.runs', series, [[], []], { scales });
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
    { label: 'plot.search', stroke: '#1a5fb4', fill: '#1a5fb488', paths: bars, points: { show: false } },
    { label: 'plot.boltzmann', stroke: '#a51d2d', width: 2, paths: uPlot.paths.stepped({ align: 0 }), points: { show: false } },
  ];
  const scales = { x: { time: false }, y: { range: (u, low, high) => [0, (high > 0 ? high : 1) * 1.05] } };
  const plot = chart(element, 260, 'plot.x', 'plot.probability', series, [[], [], []], { scales });
  return { show: (xs, current, boltzmann) => plot.setData([xs, Array.from(current), Array.from(boltzmann)]) };
}

// The total-variation distance to equilibrium, level by level.
export function distancePlot(element) {
  const series = [{ label: 'plot.distance', stroke: '#1a5fb4', width: 2, points: { show: false } }];
  const plot = chart(element, 220, 'plot.level', 'plot.distance', series, [[], []],
    { scales: { x: { time: false } } });
  return { show: (levels, distances) => plot.setData([levels, distances]) };
}
