// Checks the installed library without the pinned packages: every (structure, title) pair the
// source code passes to HelpInfo, to a window's information signal or to an information button
// has an entry, and every entry's page name stays in its folder and has its page.
// Usage: node tjek.mjs <repository root>

import fs from 'node:fs';
import path from 'node:path';

const repo = path.resolve(process.argv[2] || '.');
const fejl = [];
const decode = (b) => (b[0] === 0xEF && b[1] === 0xBB && b[2] === 0xBF ? b.subarray(3).toString('utf8') : new TextDecoder('windows-1252').decode(b));
const linjer = (f) => decode(fs.readFileSync(f)).split('\r\n').filter((l, i, a) => i < a.length - 1 || l !== '');

const strukturer = new Map();
const struktur = (navn) => {
    if (strukturer.has(navn)) return strukturer.get(navn);
    const dir = path.join(repo, 'data', 'Struktur', navn);
    let s = null;
    if (fs.existsSync(path.join(dir, 'struktur.txt'))) {
        const titler = linjer(path.join(dir, 'struktur.txt')).map((l) => l.replace(/^[\t ]+/, ''));
        const data = linjer(path.join(dir, 'data.txt'));
        if (titler.length !== data.length) fejl.push(`${navn}: struktur.txt and data.txt differ in length`);
        s = { titler, sider: data.map((d) => d.slice(1)), dir: path.join(dir, 'tekstfiler') };
        s.sider.forEach((p, i) => {
            if (!p || /[\\/]|\.\./.test(p)) fejl.push(`${navn}: entry ${titler[i]} has the unusable page name "${p}"`);
            else if (!fs.existsSync(path.join(s.dir, p + '.html'))) fejl.push(`${navn}: entry ${titler[i]} has no page ${p}.html`);
        });
    }
    strukturer.set(navn, s);
    return s;
};
for (const n of fs.readdirSync(path.join(repo, 'data', 'Struktur'))) struktur(n);

const moenstre = [
    /(?:HelpInfo|information)\(\s*QStringLiteral\("([^"]+)"\),\s*QStringLiteral\("([^"]*)"\)\)/g,
    /infoKnap\([^;]*?QStringLiteral\("([^"]+\.txt)"\),\s*QStringLiteral\("([^"]*)"\)/g,
];
const gaa = (dir) => {
    for (const e of fs.readdirSync(dir, { withFileTypes: true })) {
        const f = path.join(dir, e.name);
        if (e.isDirectory()) { gaa(f); continue; }
        if (!/\.(cpp|h)$/.test(e.name)) continue;
        const tekst = fs.readFileSync(f, 'utf8');
        for (const re of moenstre) {
            for (const m of tekst.matchAll(re)) {
                const navn = m[1].replace(/\.[^.]*$/, '');
                const s = struktur(navn);
                if (!s) fejl.push(`${path.relative(repo, f)}: no structure ${navn}`);
                else if (m[2] && !s.titler.some((t) => t.toLowerCase() === m[2].toLowerCase())) fejl.push(`${path.relative(repo, f)}: no entry "${m[2]}" in ${navn}`);
            }
        }
    }
};
gaa(path.join(repo, 'src'));
if (fejl.length) {
    console.error(fejl.join('\n'));
    process.exit(1);
}
