// The figure panel: the picture of the latest vector exercise, beside the
// terminal (under it on a narrow screen). The run announces each figure the
// program offers as a 'quillary-figure' event whose detail is the figure's
// text; the panel draws it at once and announces 'quillary-figure-drawn'.
// The prime test and the matrix entries have no figure, so the last one
// stays until the next vector exercise or the end of the run. The switch
// hides the panel; a three-dimensional figure turns by dragging (a mouse or
// a finger) or by the arrow keys, and Reset view turns it back to the view
// it opened in, the one that shows its vectors least foreshortened. The
// drawing is a square in CSS pixels, as large as the panel holds, so its
// texts keep their size on every screen; it is drawn again when the panel
// changes size.
import { Draw2d } from './figure_2d.mjs';
import { Draw3d, Start3d } from './figure_3d.mjs';
import { Svg } from './figure_svg.mjs';
import {
  IsThreeDimensional, ParseFigure, Undrawable,
} from './figure_text.mjs';
import { kStartTurn } from './figure_views.mjs';

const kTurnStep = 0.1;
const kDragRadiansPerPixel = 0.01;
const kSmallestSize = 240;
const kLeastSize = 120;
const kArrowKeys = {
  ArrowLeft: [-kTurnStep, 0], ArrowRight: [kTurnStep, 0],
  ArrowUp: [0, kTurnStep], ArrowDown: [0, -kTurnStep],
};

export class FigurePanel {
  #panel;
  #toggle;
  #caption = document.createElement('p');
  #picture = Svg('svg', { id: 'figure-picture', role: 'img',
    'font-family': 'sans-serif' });
  #note = document.createElement('p');
  #reset = document.createElement('button');
  #controls = document.createElement('div');
  #figure = null;
  #drawnSize = 0;
  #start = kStartTurn;
  #turn = kStartTurn;
  #dragFrom = null;

  // `panel` is the element to draw in, `toggle` the switch that shows it.
  constructor(panel, toggle) {
    this.#panel = panel;
    this.#toggle = toggle;
  }

  open() {
    this.#reset.type = 'button';
    this.#reset.id = 'reset-view';
    this.#reset.textContent = 'Reset view';
    this.#reset.addEventListener('click', () => {
      this.#turn = this.#start;
      this.#render();
    });
    this.#controls.className = 'figure-controls';
    this.#controls.append(this.#note, this.#reset);
    this.#panel.append(this.#caption, this.#picture, this.#controls);
    this.#followTurns();
    new ResizeObserver(() => {
      if (!this.#panel.hidden && this.#size() !== this.#drawnSize) {
        this.#render();
      }
    }).observe(this.#panel);
    addEventListener('quillary-figure', (event) => {
      this.#figure = ParseFigure(event.detail);
      this.#start = Undrawable(this.#figure) ||
        !IsThreeDimensional(this.#figure) ? kStartTurn
        : Start3d(this.#figure);
      this.#turn = this.#start;
      this.#render();
      dispatchEvent(new Event('quillary-figure-drawn'));
    });
    addEventListener('quillary-ended', () => {
      this.#figure = null;
      this.#render();
    });
    this.#toggle.addEventListener('change', () => this.#render());
  }

  #render() {
    const figure = this.#figure;
    this.#panel.hidden = !this.#toggle.checked || figure === null;
    if (this.#panel.hidden) return;
    const reason = Undrawable(figure);
    const turnable = !reason && IsThreeDimensional(figure);
    this.#caption.textContent = (!reason && figure.caption) || figure.line;
    this.#note.textContent = reason
      ? `This result cannot be drawn: ${reason}.`
      : turnable ? 'Drag it, or focus it and use the arrow keys, to turn it.'
        : '';
    this.#reset.hidden = !turnable;
    const size = this.#size();
    this.#drawnSize = size;
    const shapes = reason ? null
      : turnable ? Draw3d(figure, this.#turn, size) : Draw2d(figure, size);
    const picture = this.#picture;
    for (const [name, value] of [['viewBox', `0 0 ${size} ${size}`],
      ['width', size], ['height', size]]) picture.setAttribute(name, value);
    picture.setAttribute('aria-label', figure.line);
    picture.replaceChildren(...(shapes ?? []));
    picture.style.display = shapes ? '' : 'none';
    if (turnable) picture.setAttribute('tabindex', '0');
    else picture.removeAttribute('tabindex');
  }

  // The side of the drawing: the panel's width, or the height its caption
  // and controls leave where that is less, but never so small that the
  // texts crowd it (the panel then scrolls), nor nothing while the panel
  // is laid out afresh.
  #size() {
    const style = getComputedStyle(this.#panel);
    const width = this.#panel.clientWidth - parseFloat(style.paddingLeft) -
      parseFloat(style.paddingRight);
    const others = [this.#caption, this.#controls].reduce((sum, element) =>
      sum + element.offsetHeight + 2 * parseFloat(
        getComputedStyle(element).marginTop || '0'), 0);
    const height = this.#panel.clientHeight - others;
    return Math.floor(Math.max(Math.min(width, height),
      Math.min(width, kSmallestSize), kLeastSize));
  }

  #turnBy(yaw, pitch) {
    if (!this.#figure || !IsThreeDimensional(this.#figure)) return;
    const limit = Math.PI / 2;
    this.#turn = { yaw: this.#turn.yaw + yaw,
      pitch: Math.max(-limit, Math.min(limit, this.#turn.pitch + pitch)) };
    this.#render();
  }

  #followTurns() {
    const picture = this.#picture;
    picture.addEventListener('keydown', (event) => {
      const step = kArrowKeys[event.key];
      if (!step) return;
      event.preventDefault();
      this.#turnBy(...step);
    });
    picture.addEventListener('pointerdown', (event) => {
      this.#dragFrom = [event.clientX, event.clientY];
      picture.setPointerCapture(event.pointerId);
    });
    picture.addEventListener('pointermove', (event) => {
      if (!this.#dragFrom) return;
      const [dx, dy] = [event.clientX - this.#dragFrom[0],
        event.clientY - this.#dragFrom[1]];
      this.#dragFrom = [event.clientX, event.clientY];
      this.#turnBy(dx * kDragRadiansPerPixel, dy * kDragRadiansPerPixel);
    });
    const EndDrag = () => { this.#dragFrom = null; };
    picture.addEventListener('pointerup', EndDrag);
    picture.addEventListener('pointercancel', EndDrag);
  }
}
