// One move decided in the open, beside the watched search: the bits before
// and after with the flipped one marked, x of each, and the rule written out
// with the move's own numbers, as the C++ decided it; and a move of the
// student's own choosing, decided by the glue with the search's rule.
import { bitsOf } from './formats.js';
import { say, sayLabel, unsay } from './texts.js';
import { fixed, sig, msg } from './words.js';

// The bits of move {fromState, toState, fromPoint, toPoint, bit}, before
// and after, in element; x of each on land (the glue's description).
export function showFlip(element, glue, land, move) {
  const bits = glue.facts.grid.bits;
  say(element, 'rule.bits', {
    before: bitsOf(move.fromState, bits, move.bit), after: bitsOf(move.toState, bits, move.bit), bit: move.bit,
    x: fixed(land.x[move.fromPoint], 6), xAfter: fixed(land.x[move.toPoint], 6),
  });
}

// The rule with the numbers of move {before, proposed, delta,
// chance, draw, taken, temperature}, as the glue recorded them, in element.
export function showRule(element, move) {
  const numbers = { proposed: fixed(move.proposed, 6), before: fixed(move.before, 6), delta: sig(move.delta, 6) };
  if (move.delta > 0) return say(element, 'rule.better', numbers);
  if (move.draw < 0) return say(element, 'rule.climb', numbers); // no draw: a climber's refusal
  say(element, 'rule.draw', {
    ...numbers, t: sig(move.temperature, 6), chance: sig(move.chance, 6), draw: fixed(move.draw, 4),
    cmp: msg(move.taken ? 'rule.above' : 'rule.notAbove'), outcome: msg(move.taken ? 'rule.taken' : 'rule.refused'),
  });
}

// Move i of a walk's columns, as showFlip and showRule take it.
export function moveOf(moves, i) {
  const flip = 1 << (moves.bits - 1 - moves.bit[i]);
  return {
    fromState: moves.fromState[i], toState: moves.fromState[i] ^ flip, fromPoint: moves.from[i], toPoint: moves.to[i],
    bit: moves.bit[i], before: moves.before[i], proposed: moves.proposed[i], delta: moves.delta[i],
    chance: moves.chance[i], draw: moves.draw[i], taken: moves.taken[i] === 1, temperature: moves.temperature[i],
  };
}

// Shows the last move of a walk (last < 0: none yet) in view's flip and rule.
export function showDecision(view, glue, walk, last) {
  if (last < 0) {
    unsay(view.flip);
    return say(view.rule, 'rule.none');
  }
  const move = moveOf({ ...walk.moves, bits: glue.facts.grid.bits }, last);
  showFlip(view.flip, glue, walk.settings.land, move);
  showRule(view.rule, move);
}

// Starts "Try it yourself" in box: a button a bit; pressing one flips that
// bit of where(), where the watched walk stands ({moves, state, temperature,
// settings}: its moves shown, the solution now, the temperature of its next
// move; null without a walk), and shows the move the glue decides, with the
// draws the walk makes next, in flip and rule.
export function startTrial(box, glue, where, { flip, rule }) {
  const bits = glue.facts.grid.bits;
  const buttons = Array.from({ length: bits }, (_, bit) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.addEventListener('click', () => {
      const now = where();
      if (!now) return;
      const move = glue.tryWalkMove(now.settings, now.moves, bit, now.temperature);
      if (move === null) return;
      showFlip(flip, glue, now.settings.land, { ...move, fromState: move.from, toState: move.to, bit });
      showRule(rule, { ...move, temperature: now.temperature });
    });
    return button;
  });
  box.replaceChildren(...buttons);
  return {
    // Shows the bits of where the search is; a new walk clears the move tried.
    show(state, newWalk) {
      const digits = bitsOf(state ?? 0, bits, -1);
      buttons.forEach((button, bit) => {
        button.textContent = digits[bit];
        button.disabled = state === null;
        sayLabel(button, 'try.bit', { bit, value: digits[bit] });
      });
      if (!newWalk) return;
      unsay(flip);
      unsay(rule);
    },
  };
}
