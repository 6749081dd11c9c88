// Playing a walk back: steps at a steady rate, however many a frame takes,
// and the keys of a part of the page.

// Returns {start(rate), stop(), playing()}: calls advance(steps) once a
// frame with the steps due at rate a second since start; advance returns
// false to stop.
export function player(advance) {
  let frame = null;
  let since = 0, done = 0, rate = 1;
  const tick = (now) => {
    const due = Math.floor(((now - since) * rate) / 1000);
    const more = due > done ? advance(due - done) : true;
    done = due;
    frame = more ? requestAnimationFrame(tick) : null;
  };
  return {
    start(stepsPerSecond) {
      rate = stepsPerSecond;
      since = performance.now();
      done = 0;
      cancelAnimationFrame(frame);
      frame = requestAnimationFrame(tick);
    },
    stop() {
      cancelAnimationFrame(frame);
      frame = null;
    },
    playing: () => frame !== null,
  };
}

// Keys that act on section, {key: action}, while the focus is within it, or
// on nothing in particular while it is in view; never while a field is typed in.
export function bindKeys(section, keys) {
  let inView = false;
  new IntersectionObserver(([entry]) => { inView = entry.isIntersecting; }).observe(section);
  document.addEventListener('keydown', (event) => {
    const focus = document.activeElement;
    const here = section.contains(focus) || ((focus === null || focus === document.body) && inView);
    const typing = event.target.matches?.('input:not([type=range]), select, textarea');
    const action = keys[event.key.toLowerCase()];
    if (!here || typing || !action || event.ctrlKey || event.altKey || event.metaKey) return;
    event.preventDefault();
    action();
  });
}
