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
// How much larger lines, markers and letters are drawn: twice in the projector view.
const zoom = () => (document.documentElement.classList.contains('projector') ? 2 : 1);

// Ticks as uPlot places them, with the language's decimal mark.
const plainTicks = (u, splits) => splits.map((v) => (v === null ? '' : numberText(currentLanguage(), v)));
// An axis labelled with message key, its ticks distinct ones when distinct; a series' label in the legend, message key.
const axis = (key, distinct) => ({ label: () => text(key), stroke: '#1a1a1a', grid: { stroke: '#ddd' },
  values: distinct ? distinctTicks : plainTicks, font: `${12 * zoom()}px system-ui, sans-serif`,
  labelFont: `bold ${12 * zoom()}px system-ui, sans-serif`, size: 50 * zoom(), labelSize: 30 * zoom() });
function legendLabel(key) {
  const span = document.createElement('span');
  say(span, key);
  return span;
}

const charts = new Set(); // every chart on the page, laid out again when the view changes

// The options of a chart in element (see chart) for the view as it stands.
function chartOptions(element, height, xLabel, yLabel, series, extra, ticks) {
  const labelled = series.map((s) => ({ ...s, label: legendLabel(s.label), width: (s.width ?? 1) * zoom() }));
  return {
    width: Math.max(element.clientWidth, 200), height: Math.round(height * (1 + (zoom() - 1) * 0.4)),
    series: [{ label: legendLabel(xLabel) }, ...labelled], axes: [axis(xLabel, ticks.includes('x')), axis(yLabel, ticks.includes('y'))],
    cursor: { drag: { x: false, y: false } }, legend: { show: series.length > 1 }, ...extra,
  };
}

// A chart in element, as wide as element, its axes labelled with the
// messages xLabel and yLabel and its series' labels messages too; its
// legend shows only when it has more than one series. ticks names the axes
// ('x', 'y') whose labels keep apart every two ticks. Returns {setData,
// redraw, forget}, which hold whichever uPlot draws it in the view.
function chart(element, height, xLabel, yLabel, series, data, extra = {}, ticks = '') {
  const make = (shown) => {
    element.chart = new uPlot(chartOptions(element, height, xLabel, yLabel, series, extra, ticks), shown, element);
    return element.chart;
  };
  let plot = make(data);
  const observer = new ResizeObserver(() => {
    const width = Math.max(element.clientWidth, 200);
    if (width !== plot.width) plot.setSize({ width, height: plot.height });
  });
  observer.observe(element);
  const handle = {
    setData: (shown) => plot.setData(shown),
    redraw: (...how) => plot.redraw(...how),
    layOut: () => { // drawn again for the view, with the data it holds
      const shown = plot.data;
      plot.destroy();
      plot = make(shown);
    },
    forget: () => { // the chart taken off the page, to make way for another
      charts.delete(handle);
      observer.disconnect();
      plot.destroy();
    },
  };
  onLanguage(() => charts.has(handle) && plot.redraw(false, true));
  charts.add(handle);
  return handle;
}

// Draws every chart again for the view as it stands: its lines, markers,
// letters and height follow the projector view.
export function layOutCharts() {
  for (const handle of charts) handle.layOut();
}

// Writes message key into the summary of the chart in element.
export function summarize(element, key, params = {}) {
  say(document.getElementById(element.getAttribute('aria-describedby')), key, params);
}

// f(x), with the search drawn on top: a dot at marks.current and a ring at
// marks.best ({x, f} or null); call redraw() after changing them, and
// show(xs, fs) to draw another f.
export function landscapePlot(element, marks) {
  const dot = (u, point, fill) => {
    if (point === null) return;
    const ctx = u.ctx;
    ctx.beginPath();
    ctx.arc(u.valToPos(point.x, 'x', true), u.valToPos(point.f, 'y', true), 7 * zoom() * devicePixelRatio, 0, 2 * Math.PI);
    ctx.lineWidth = 3 * zoom() * devicePixelRatio;
    ctx.strokeStyle = fill ? '#a51d2d' : '#1a5fb4';
    ctx.fillStyle = '#a51d2d';
    if (fill) ctx.fill();
    ctx.stroke();
  };
  const square = (u, point, fill, mark) => { // the other methods' marks: a square, or a diamond for the third
    if (point === null) return;
    const ctx = u.ctx, half = 6 * zoom() * devicePixelRatio;
    const [x, y] = [u.valToPos(point.x, 'x', true), u.valToPos(point.f, 'y', true)];
    ctx.lineWidth = 3 * zoom() * devicePixelRatio;
    ctx.strokeStyle = ctx.fillStyle = mark === 'third' ? '#613583' : '#26734d';
    const corners = mark === 'third' ? [[0, -1.3], [1.3, 0], [0, 1.3], [-1.3, 0]] : [[-1, -1], [1, -1], [1, 1], [-1, 1]];
    ctx.beginPath();
    for (const [dx, dy] of corners) ctx.lineTo(x + dx * half, y + dy * half);
    ctx.closePath();
    if (fill) ctx.fill();
    ctx.stroke();
  };
  const hooks = { draw: [(u) => {
    for (const other of marks.others ?? []) { square(u, other.best, false, other.mark); square(u, other.current, true, other.mark); }
    dot(u, marks.best, false);
    dot(u, marks.current, true);
  }] };
  const plot = chart(element, 300, 'plot.x', 'plot.f', [{ label: 'plot.f', stroke: '#333', width: 1.5 }],
    [[], []], { hooks, scales: { x: { time: false } } });
  return { redraw: () => plot.redraw(false), show: (xs, fs) => plot.setData([xs, fs]) };
}

// A histogram of bins, a series for each of names (messages), xLabel the
// message of its x axis; its counts on a log scale so that rare outcomes
// show beside common ones, a bin of one run included. show(list) takes
// bins ({low, width, counts}) a series, all alike but for their counts.
export function histogramPlot(element, xLabel, names = ['many.runs']) {
  const colours = ['#1a5fb4', '#a51d2d', '#26734d'];
  const bars = uPlot.paths.bars({ size: [1, Infinity], align: 1 });
  const alpha = names.length > 1 ? '66' : 'aa'; // the methods' bars seen through one another
  const series = names.map((name, i) => ({
    label: name, stroke: colours[i % colours.length], fill: `${colours[i % colours.length]}${alpha}`, paths: bars, points: { show: false },
  }));
  let shown = [{ low: 0, width: 1, counts: [] }];
  const top = () => Math.max(10, ...shown.flatMap((b) => b.counts)) * 2;
  const first = () => shown[0] ?? { low: 0, width: 1, counts: [] };
  const scales = {
    x: { time: false, range: () => [first().low, first().low + first().width * Math.max(first().counts.length, 1)] },
    y: { distr: 3, range: () => [0.5, top()] }, // a bin of 1 stands a factor 2 above the floor
  };
  const plot = chart(element, 260, xLabel, 'many.runs', series, [[], ...names.map(() => [])], { scales }, 'x');
  return {
    names,
    forget: () => plot.forget(),
    show(list) {
      shown = list;
      const xs = first().counts.map((_, i) => first().low + i * first().width);
      plot.setData([xs, ...names.map((_, s) => (list[s]?.counts ?? []).map((c) => c || null))]);
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
  const plot = chart(element, 260, 'plot.x', 'plot.probability', series, [[], [], []], { scales }, 'y');
  return { show: (xs, current, boltzmann) => plot.setData([xs, Array.from(current), Array.from(boltzmann)]) };
}

// The total-variation distance to equilibrium, level by level.
export function distancePlot(element) {
  const series = [{ label: 'plot.distance', stroke: '#1a5fb4', width: 2, points: { show: false } }];
  const plot = chart(element, 220, 'plot.level', 'plot.distance', series, [[], []],
    { scales: { x: { time: false } } }, 'y');
  return { show: (levels, distances) => plot.setData([levels, distances]) };
}

// The time to target: each method's chance of having reached the target
// against the solutions examined, on an axis from 0 to 1.
export function curvesPlot(element, names) {
  const colours = ['#1a5fb4', '#26a269', '#a51d2d'];
  const series = names.map((label, i) => ({ label, stroke: colours[i % colours.length], width: 2, points: { show: false } }));
  const scales = { x: { time: false }, y: { range: [0, 1] } };
  const plot = chart(element, 240, 'plot.examined', 'plot.reached', series,
    [[], ...names.map(() => [])], { scales });
  return { show: (examined, curves) => plot.setData([Array.from(examined), ...curves.map((c) => Array.from(c))]) };
}
