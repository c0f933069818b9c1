// One vector exercise's figure in the transcript, right after its result
// line: its caption, the picture of its operands and result, and for a
// three-dimensional figure the note on turning it and Reset view. A
// three-dimensional figure turns by dragging (a mouse or a finger) or by
// the arrow keys, and Reset view turns it back to the view it opened in,
// the one that shows its vectors least foreshortened. The drawing is a
// square in CSS pixels, as large as the page asks (resize()), so its texts
// keep their size on every screen; it is drawn afresh at each new size.
// Save picture downloads the picture as it is turned, as an SVG file with
// the result line under it (picture_file.mjs).
import { Draw2d } from './figure_2d.mjs';
import { Draw3d, Start3d } from './figure_3d.mjs';
import { Svg } from './figure_svg.mjs';
import { IsThreeDimensional, Undrawable } from './figure_text.mjs';
import { kStartTurn } from './figure_views.mjs';
import { DownloadFile, PictureFile } from './picture_file.mjs';

const kTurnStep = 0.1;
const kDragRadiansPerPixel = 0.01;
const kArrowKeys = {
  ArrowLeft: [-kTurnStep, 0], ArrowRight: [kTurnStep, 0],
  ArrowUp: [0, kTurnStep], ArrowDown: [0, -kTurnStep],
};

const Element = (tag, className, text = '') => {
  const element = document.createElement(tag);
  element.className = className;
  element.textContent = text;
  return element;
};

export class ExerciseFigure {
  #figure;
  #reason;
  #turnable;
  #picture = Svg('svg', { class: 'figure-picture', role: 'img',
    'font-family': 'sans-serif' });
  #size = 0;
  #start;
  #turn;
  #dragFrom = null;

  // `figure` is the parsed figure (figure_text.mjs).
  constructor(figure) {
    this.#figure = figure;
    this.#reason = Undrawable(figure);
    this.#turnable = !this.#reason && IsThreeDimensional(figure);
    this.#start = this.#turnable ? Start3d(figure) : kStartTurn;
    this.#turn = this.#start;
    this.element = this.#Make();
  }

  // Draws the picture `size` CSS pixels square, unless it is so already.
  resize(size) {
    if (size === this.#size) return;
    this.#size = size;
    this.#render();
  }

  #Make() {
    const figure = this.#figure;
    const element = Element('figure', 'exercise-figure');
    element.append(Element('figcaption', 'figure-caption',
      (!this.#reason && figure.caption) || figure.line));
    this.#picture.setAttribute('aria-label', figure.line);
    if (this.#reason) {
      element.append(Element('p', 'figure-note',
        `This result cannot be drawn: ${this.#reason}.`));
      return element;
    }
    element.append(this.#picture, this.#Controls());
    return element;
  }

  #Controls() {
    const controls = Element('div', 'figure-controls');
    const Button = (className, text, click) => {
      const button = Element('button', className, text);
      button.type = 'button';
      button.addEventListener('click', click);
      controls.append(button);
    };
    if (this.#turnable) {
      controls.append(Element('p', 'figure-note',
        'Drag it, or focus it and use the arrow keys, to turn it.'));
      Button('reset-view', 'Reset view', () => {
        this.#turn = this.#start;
        this.#render();
      });
      this.#picture.setAttribute('tabindex', '0');
      this.#followTurns();
    }
    Button('save-picture', 'Save picture', () => DownloadFile(PictureFile(
      this.#picture, this.#figure.line, this.#figure.exercise)));
    return controls;
  }

  #render() {
    const size = this.#size;
    if (this.#reason || size === 0) return;
    const picture = this.#picture;
    for (const [name, value] of [['viewBox', `0 0 ${size} ${size}`],
      ['width', size], ['height', size]]) picture.setAttribute(name, value);
    picture.replaceChildren(...(this.#turnable
      ? Draw3d(this.#figure, this.#turn, size) : Draw2d(this.#figure, size)));
  }

  #turnBy(yaw, pitch) {
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
