// "JavaScript": the JavaScript reference, and the object structures of the JavaScript
// button box. The objects and members are curated in kilder/bibliotek/js-objekter.txt with
// our own sentences; every member's signature is looked up in TypeScript's library files, so
// a name JavaScript does not have cannot reach the reference.

import path from 'node:path';
import fs from 'node:fs';

import { esc, kode, link, node, side, tabel } from './side.mjs';
import { foersteSaetning } from './kilde.mjs';

const KATEGORI_TEKST = {
    'Objekter': 'JavaScript-sprogets egne objekter: tekst, tal, datoer, lister og regulære udtryk.',
    'Browser BOM': 'Browserens objekter (Browser Object Model): vinduet, adressen, historikken, skærmen og browseren selv.',
    'HTML DOM': 'Sidens dokument og elementer (Document Object Model), og hændelserne, de sender.',
    'Collections': 'Samlinger og lister, som DOM-objekterne giver tilbage.',
};

// Members of TypeScript interfaces: interface -> member -> signature texts.
function laesTypeScript(ctx) {
    const ts = ctx.require('typescript');
    const lib = path.dirname(ctx.require.resolve('typescript/lib/lib.es5.d.ts'));
    const filer = fs.readdirSync(lib).filter((f) => /^lib\.(es5|es20\d\d\.[a-z.]+|dom(\.iterable)?)\.d\.ts$/.test(f)).sort();
    const grænseflader = new Map();
    const globale = new Map();
    // A call's short form, name and parameter names: the syntax line of an object structure,
    // whose fields are divided at "|" and so cannot hold TypeScript's union types.
    const erKald = (n) => ts.isMethodSignature(n) || ts.isFunctionDeclaration(n);
    const kortForm = (n, medlem) => (erKald(n)
        ? `${medlem}(${n.parameters.map((p) => (p.dotDotDotToken ? '...' : '') + p.name.getText() + (p.questionToken ? '?' : '')).join(', ')})`
        : medlem);
    const tilfoej = (map, navn, medlem, tekst, n) => {
        if (!map.has(navn)) map.set(navn, new Map());
        const m = map.get(navn);
        if (!m.has(medlem)) m.set(medlem, []);
        const ren = tekst.replace(/\s+/g, ' ').replace(/;$/, '').trim();
        if (!m.get(medlem).some((x) => x.tekst === ren)) m.get(medlem).push({ tekst: ren, kort: kortForm(n, medlem), metode: erKald(n) });
    };
    for (const f of filer) {
        const sf = ts.createSourceFile(f, fs.readFileSync(path.join(lib, f), 'utf8'), ts.ScriptTarget.Latest, true);
        for (const st of sf.statements) {
            if (ts.isInterfaceDeclaration(st)) {
                for (const m of st.members) {
                    if (!m.name || !(ts.isIdentifier(m.name) || ts.isStringLiteral(m.name))) continue;
                    tilfoej(grænseflader, st.name.text, m.name.text, m.getText(sf), m);
                }
            } else if (ts.isFunctionDeclaration(st) && st.name) {
                tilfoej(globale, 'global', st.name.text, st.getText(sf).replace(/^declare\s+/, ''), st);
            } else if (ts.isVariableStatement(st)) {
                for (const d of st.declarationList.declarations) {
                    if (ts.isIdentifier(d.name)) tilfoej(globale, 'global', d.name.text, `${d.name.text}${d.type ? ': ' + d.type.getText(sf) : ''}`, d);
                }
            }
        }
    }
    return (iface, medlem) => {
        const map = iface === 'global' ? globale : grænseflader;
        return map.get(iface)?.get(medlem) || null;
    };
}

// The curated table: [{ kategori, titel, script, grænseflader, tekst, medlemmer: [{navn, tekst, eksempel}] }].
function laesObjekter(ctx) {
    const objekter = [];
    for (const l of ctx.readSource('bibliotek', 'js-objekter.txt')) {
        const h = /^\[(.*)\]$/.exec(l.trim());
        if (h) {
            const dele = h[1].split(' | ').map((s) => s.trim());
            let script = null;
            if (dele[3]?.startsWith('Script:')) script = dele.splice(3, 1)[0].slice(7);
            if (dele.length !== 4) ctx.fail(`js-objekter.txt: cannot read "${l}"`);
            objekter.push({ kategori: dele[0], titel: dele[1], script: script || dele[1], grænseflader: dele[2].split(',').map((s) => s.trim()), tekst: dele[3], medlemmer: [] });
            continue;
        }
        const dele = l.split(' | ').map((s) => s.trim());
        if (!objekter.length || dele.length < 2) ctx.fail(`js-objekter.txt: cannot read "${l}"`);
        objekter[objekter.length - 1].medlemmer.push({ navn: dele[0], tekst: dele[1], eksempel: dele.slice(2).join(' | ') });
    }
    return objekter;
}

export function skrivJavaScript(ctx) {
    const signatur = laesTypeScript(ctx);
    const objekter = laesObjekter(ctx);
    const sider = new Map();
    const kategorier = new Map();
    const mangler = [];

    for (const o of objekter) {
        const set = new Set();
        for (const m of o.medlemmer) {
            if (set.has(m.navn)) ctx.fail(`js-objekter.txt: ${o.titel}.${m.navn} twice`);
            set.add(m.navn);
            for (const g of o.grænseflader) {
                const s = signatur(g, m.navn);
                if (s) { m.signaturer = s.map((x) => x.tekst); m.kort = s[0].kort; m.erMetode = s.some((x) => x.metode); break; }
            }
            if (!m.signaturer) { mangler.push(`${o.titel}.${m.navn}`); m.signaturer = []; }
            m.fil = `${o.titel.replace(/ /g, '_')}.${m.navn}`;
        }
        o.fil = o.titel.replace(/ /g, '_');
        if (mangler.length) continue;
        sider.set(o.fil, side(o.titel, [
            `<p>${esc(o.tekst)}</p>`,
            '<h2>Egenskaber og metoder</h2>',
            ...tabel(['Navn', 'Bruges til'], o.medlemmer.map((m) => [link(m.fil, m.erMetode ? `${m.navn}()` : m.navn), esc(foersteSaetning(m.tekst))])),
        ]));
        for (const m of o.medlemmer) {
            sider.set(m.fil, side(m.navn, [
                `<p>${esc(m.tekst)}</p>`,
                `<p>${m.erMetode ? 'Metode' : 'Egenskab'} i ${link(o.fil, o.titel)}.</p>`,
                '<h2>Syntaks</h2>',
                ...kode(m.signaturer.join('\n')),
                ...(m.eksempel ? ['<h2>Eksempel</h2>', ...kode(m.eksempel)] : []),
            ]));
        }
        if (!kategorier.has(o.kategori)) kategorier.set(o.kategori, []);
        kategorier.get(o.kategori).push(o);
    }

    if (mangler.length) ctx.fail(`js-objekter.txt: no TypeScript declaration of ${mangler.join(', ')}`);
    const katNoder = [];
    for (const [k, liste] of kategorier) {
        if (!KATEGORI_TEKST[k]) ctx.fail(`js-objekter.txt: unknown category ${k}`);
        const fil = 'kategori-' + k.toLowerCase().replace(/ /g, '-');
        sider.set(fil, side(k, [
            `<p>${esc(KATEGORI_TEKST[k])}</p>`,
            ...tabel(['Objekt', 'Beskrivelse'], liste.map((o) => [link(o.fil, o.titel), esc(foersteSaetning(o.tekst))])),
        ]));
        katNoder.push(node(k, fil, 6, liste.map((o) => node(o.titel, o.fil, 4, o.medlemmer.map((m) => node(m.navn, m.fil, m.erMetode ? 5 : 8))))));
    }
    sider.set('index', side('JavaScript information', [
        '<p>JavaScript er browserens programmeringssprog. Et script kan læse og ændre siden, reagere på brugerens klik og tastetryk, regne, hente data og huske indstillinger.</p>',
        ...kode('<button type="button" id="knap">Klik</button>\n<script>\ndocument.getElementById("knap").addEventListener("click", () => {\n  alert("Hej fra JavaScript");\n});\n</script>'),
        '<p>JavaScript skelner mellem store og små bogstaver: getElementById er ikke det samme som getelementbyid. Referencen staver alle navne, som sproget gør; åbner du den med Ctrl+J på et ord med forkert stavning, viser programmet den rigtige.</p>',
        '<h2>Objekterne</h2>',
        '<ul>',
        ...katNoder.map((k) => `<li>${link(k.fil, k.titel)}</li>`),
        '</ul>',
    ]));
    const antal = ctx.skrivStruktur('JavaScript', node('JavaScript information', 'index', 0, katNoder), sider);

    // The object structures of the button box; objects sharing a structure name (the event
    // objects) sit under one top entry.
    const strukturer = new Map();
    for (const o of objekter) {
        if (!strukturer.has(o.script)) strukturer.set(o.script, []);
        strukturer.get(o.script).push(o);
    }
    const objNode = (o) => ({
        titel: o.titel, data: `0${o.tekst}`,
        born: o.medlemmer.map((m) => ({ titel: m.navn, data: `${m.erMetode ? 2 : 1}${m.tekst}|${m.kort}${m.eksempel ? '|' + m.eksempel : ''}`, born: [] })),
    });
    const scriptAntal = {};
    for (const [navn, liste] of strukturer) {
        const rod = liste.length === 1 ? objNode(liste[0])
            : { titel: navn.split(' ')[0], data: '0Hændelsesobjekterne, som funktioner knyttet med addEventListener får som argument.', born: liste.map(objNode) };
        scriptAntal[navn] = ctx.skrivObjektStruktur(navn, rod);
    }
    return { antal, scriptAntal };
}
