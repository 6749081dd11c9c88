// The page's charts, drawn with uPlot: the landscape with the search on it,
// a histogram, the exact map and the distance to equilibrium.
import uPlot from 'uplot';

const width_of = (element) => Math.min(960, element.clientWidth || 800);
const axis = (label) => ({ label, stroke: '#1a1a1a', grid: { stroke: '#ddd' } });

// A chart; its legend shows only when it has more than one series.
function chart(element, height, x_label, y_label, series, data, extra = {}) {
  const options = {
    width: width_of(element), height, series: [{ label: x_label }, ...series],
    axes: [axis(x_label), axis(y_label)], cursor: { drag: { x: false, y: false } },
    legend: { show: series.length > 1 }, ...extra,
  };
  return new uPlot(options, data, element);
}

// f(x) over xs, with the search drawn on top: a dot at marks.current and a
// ring at marks.best ({x, f} or null); call redraw() after changing them.
export function landscape_plot(element, xs, fs, marks) {
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
    [xs, fs], { hooks, scales: { x: { time: false } } });
  return { redraw: () => plot.redraw(false) };
}

// A histogram of values in bins of equal width over their range, its counts
// on a log scale so that rare outcomes show beside common ones.
export function histogram_plot(element, x_label) {
  const bars = uPlot.paths.bars({ size: [1, Infinity], align: 1 });
  const series = [{ label: 'runs', stroke: '#1a5fb4', fill: '#1a5fb4aa', paths: bars, points: { show: false } }];
  const plot = chart(element, 260, x_label, 'runs', series, [[], []],
    { scales: { x: { time: false }, y: { distr: 3 } } });
  plot.axes[0].values = (u, splits) => splits.map((v) => v.toFixed(4)); // bins narrower than 0.001
  return {
    show(values, bins) {
      const low = values.reduce((a, b) => Math.min(a, b));
      const width = Math.max(values.reduce((a, b) => Math.max(a, b)) - low, 1e-3) / bins;
      const counts = new Array(bins).fill(0);
      for (const v of values) counts[Math.min(bins - 1, Math.floor((v - low) / width))]++;
      plot.setData([counts.map((_, i) => low + i * width), counts.map((c) => c || null)]);
    },
  };
}

// Where the search is beside the Boltzmann distribution, by bars of the grid.
export function map_plot(element) {
  const bars = uPlot.paths.bars({ size: [1, Infinity] });
  const series = [
    { label: 'the search', stroke: '#1a5fb4', fill: '#1a5fb488', paths: bars, points: { show: false } },
    { label: 'Boltzmann', stroke: '#a51d2d', width: 2, paths: uPlot.paths.stepped({ align: 0 }), points: { show: false } },
  ];
  const plot = chart(element, 260, 'x', 'probability', series, [[], [], []], { scales: { x: { time: false } } });
  return { show: (xs, current, boltzmann) => plot.setData([xs, Array.from(current), Array.from(boltzmann)]) };
}

// The total-variation distance to equilibrium, level by level.
export function distance_plot(element) {
  const series = [{ label: 'distance to Boltzmann', stroke: '#1a5fb4', width: 2, points: { show: false } }];
  const plot = chart(element, 220, 'level', 'distance to Boltzmann', series, [[], []],
    { scales: { x: { time: false } } });
  return { show: (levels, distances) => plot.setData([levels, distances]) };
}
