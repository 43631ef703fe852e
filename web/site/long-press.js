// A long press from pointer events: down, then held about half a second
// without moving. Some mobile browsers send no contextmenu event for a long
// touch, so the display's menu cannot wait for one.
export const HOLD_MS = 500;
const SLOP_PX = 10; // a finger trembles; more than this is a move

export function onLongPress(element, pressed) {
  let timer = 0;
  let start = null;
  const cancel = () => {
    clearTimeout(timer);
    timer = 0;
    start = null;
  };
  element.addEventListener('pointerdown', (event) => {
    if (!event.isPrimary || event.button !== 0) return;
    cancel();
    start = { x: event.clientX, y: event.clientY };
    timer = setTimeout(() => {
      const at = start;
      cancel();
      pressed(at.x, at.y);
    }, HOLD_MS);
  });
  element.addEventListener('pointermove', (event) => {
    if (start && Math.hypot(event.clientX - start.x, event.clientY - start.y) > SLOP_PX) cancel();
  });
  for (const type of ['pointerup', 'pointercancel', 'pointerleave']) element.addEventListener(type, cancel);
}
