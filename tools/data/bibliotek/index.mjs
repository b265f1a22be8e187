// The reference library: the information structures under Struktur/ and the object
// structures under Script/. Runs after the lists of the data tree are written, because the
// pages show those lists.

import fs from 'node:fs';
import path from 'node:path';

import { skrivObjektStruktur, skrivStruktur } from './side.mjs';
import { skrivJavaScript } from './js.mjs';
import { skrivVbs } from './vbs.mjs';
import { skrivProgram } from './program.mjs';
import { skrivHtml } from './html.mjs';
import { skrivCss } from './css.mjs';

export const BIBLIOTEK_MAPPER = ['Struktur', 'Script'];

function decode(bytes) {
    if (bytes[0] === 0xEF && bytes[1] === 0xBB && bytes[2] === 0xBF) return bytes.subarray(3).toString('utf8');
    return new TextDecoder('windows-1252').decode(bytes);
}

export function skrivBibliotek(base) {
    const ctx = {
        ...base,
        lesDataHvisFindes(rel) {
            const full = path.join(base.outRoot, rel);
            if (!fs.existsSync(full)) return null;
            return decode(fs.readFileSync(full)).split('\r\n').filter((l, i, a) => i < a.length - 1 || l !== '');
        },
        lesData(rel) {
            const l = ctx.lesDataHvisFindes(rel);
            if (!l) base.fail(`library: ${rel} is missing`);
            return l;
        },
        resurse(f) {
            const t = fs.readFileSync(path.join(base.here, 'kilder', 'HTML', f), 'utf8').replace(/\r\n/g, '\n').split('\n');
            if (t[t.length - 1] === '') t.pop();
            return t;
        },
        skrivStruktur: (navn, rod, sider) => skrivStruktur(ctx, navn, rod, sider),
        skrivObjektStruktur: (navn, rod) => skrivObjektStruktur(ctx, navn, rod),
    };
    const antal = {};
    antal.Information = skrivHtml(ctx);
    antal.CSS = skrivCss(ctx);
    const prog = skrivProgram(ctx);
    antal.Programmet = prog.antal;
    antal.Eksempler = prog.eAntal;
    const js = skrivJavaScript(ctx);
    antal.JavaScript = js.antal;
    const vbs = skrivVbs(ctx);
    antal.VBS = vbs.antal;
    const script = { ...vbs.scriptAntal, ...js.scriptAntal };
    base.writeLines('Script/_strukturliste.txt', Object.keys(script));
    antal.Script = Object.entries(script).map(([k, v]) => `${k} ${v}`).join(', ');
    return antal;
}
