// The figure's text as the program hands it (OfferFigure; its form is
// described in maths_text/figure_text.h): its exercise, its result line, its
// caption, its values, each kept as the program's texts beside their
// numbers, and its working, as the program wrote it; and whether those
// numbers can be drawn at all.
import { Value } from './figure_numbers.mjs';

export const kRoles = ['first', 'second', 'third', 'parameter', 'result'];

export function ParseFigure(text) {
  const described = JSON.parse(text);
  const parsed = { exercise: described.exercise, line: described.line,
    caption: described.caption, working: described.working ?? [] };
  for (const role of kRoles) {
    if (described[role]) parsed[role] = Value(described[role]);
  }
  return parsed;
}

export const IsThreeDimensional = (figure) => figure.first.at.length === 3;

// Why the figure's numbers cannot be drawn, or '' when they can: a result
// that is not a finite number, as a zero vector's direction is not.
export function Undrawable(figure) {
  const numbers = kRoles.flatMap((role) => figure[role]?.at ?? []);
  if (numbers.every(Number.isFinite)) return '';
  const zero = [figure.first, figure.second].some(
    (value) => value?.at.every((number) => number === 0));
  return zero ? 'a zero vector has no direction' : 'it is not a finite number';
}
