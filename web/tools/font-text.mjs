// Writes the characters the web panel can show, for the font subset: every
// printable ASCII character (the display shows prompts, results and number
// texts made of them) and every other character of the layout's captions.
// Usage: node font-text.mjs layout.json out.txt
import { readFileSync, writeFileSync } from 'node:fs';

const [layoutPath, outPath] = process.argv.slice(2);
const layout = readFileSync(layoutPath, 'utf8');
const characters = new Set();
for (let code = 0x20; code < 0x7f; code++) characters.add(String.fromCharCode(code));
for (const ch of layout) if (ch.codePointAt(0) >= 0x80) characters.add(ch);
writeFileSync(outPath, [...characters].join(''));
