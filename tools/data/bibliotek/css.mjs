// "CSS": the CSS reference. A page per property and at-rule of the CSS box (syntax, initial
// value and inheritance from mdn-data, the values the box offers from the data tree, our own
// description and an example), a page per group, and the overview pages the program's
// buttons ask for by title.

import { esc, filnavn, kode, link, node, side, tabel } from './side.mjs';
import { foersteSaetning, tabelKilde } from './kilde.mjs';
import { cssTemaSider } from './css-temaer.mjs';

// Side and corner parts of longhand names, longest first, and what they add to the sentence
// of the property without them.
const SIDER = [
    ['top-left', 'Gælder kun hjørnet øverst til venstre.'],
    ['top-right', 'Gælder kun hjørnet øverst til højre.'],
    ['bottom-left', 'Gælder kun hjørnet nederst til venstre.'],
    ['bottom-right', 'Gælder kun hjørnet nederst til højre.'],
    ['start-start', 'Gælder kun hjørnet, hvor blok- og linjeretningen begge starter (normalt øverst til venstre).'],
    ['start-end', 'Gælder kun hjørnet, hvor blokretningen starter og linjeretningen slutter (normalt øverst til højre).'],
    ['end-start', 'Gælder kun hjørnet, hvor blokretningen slutter og linjeretningen starter (normalt nederst til venstre).'],
    ['end-end', 'Gælder kun hjørnet, hvor blok- og linjeretningen begge slutter (normalt nederst til højre).'],
    ['block-start', 'Gælder kun siden, hvor blokretningen starter (normalt oversiden).'],
    ['block-end', 'Gælder kun siden, hvor blokretningen slutter (normalt undersiden).'],
    ['inline-start', 'Gælder kun siden, hvor linjeretningen starter (normalt venstre side).'],
    ['inline-end', 'Gælder kun siden, hvor linjeretningen slutter (normalt højre side).'],
    ['top', 'Gælder kun oversiden.'],
    ['right', 'Gælder kun højre side.'],
    ['bottom', 'Gælder kun undersiden.'],
    ['left', 'Gælder kun venstre side.'],
    ['block', 'Gælder de to sider i blokretningen (normalt over- og undersiden).'],
    ['inline', 'Gælder de to sider i linjeretningen (normalt venstre og højre side).'],
    ['x', 'Gælder kun den vandrette retning.'],
    ['y', 'Gælder kun den lodrette retning.'],
];

// Example values for the placeholders of the value lists.
const PLADSHOLDER = {
    LENGTH: '10px', PROCENT: '50%', COLOR: '#1d4f91', NUMBER: '2', INTEGER: '3', TIME: '0.3s',
    ANGLE: '45deg', URL: 'url("billede.png")', STRING: '"tekst"', NAME: 'navn', IMAGE: 'url("billede.png")',
    FLEX: '1fr', RATIO: '16 / 9', RESOLUTION: '2dppx', FREQUENCY: '440Hz', EASING: 'ease-in-out',
};
const CSS_WIDE = new Set(['inherit', 'initial', 'revert', 'revert-layer', 'unset']);

export function skrivCss(ctx) {
    const tekster = tabelKilde(ctx, 'css-egenskaber.txt', 3);
    const grupper = tabelKilde(ctx, 'css-grupper.txt');
    const indeks = ctx.lesData('Dir/alleCssProp.txt');
    const gruppeAf = new Map();
    for (let i = 0; i + 1 < indeks.length; i += 2) gruppeAf.set(indeks[i], indeks[i + 1]);

    const beskrivelse = (p) => {
        if (tekster.has(p)) return tekster.get(p)[0];
        for (const [tok, tillaeg] of SIDER) {
            const m = new RegExp(`^(.*)-${tok}(-.*)?$`).exec(p);
            if (m) {
                const grund = m[1] + (m[2] || '');
                // The first sentence of the whole property, without what it says about all sides.
                if (tekster.has(grund)) {
                    const foerste = foersteSaetning(tekster.get(grund)[0]).replace(/,? (på|om) alle fire sider/, '');
                    return `${foerste} ${tillaeg}`;
                }
            }
        }
        return null;
    };

    const gruppeNavne = [...grupper.keys()];
    const sider = new Map();
    const gruppeNoder = [];
    const mangler = [];
    for (const g of gruppeNavne) {
        const props = ctx.lesData(`CSS/Properties/${g}.txt`);
        const born = [];
        for (const p of props) {
            const t = beskrivelse(p);
            if (!t) { mangler.push(p); continue; }
            const fil = filnavn(p);
            sider.set(fil, side(p, egenskabsSide(ctx, p, g, t, tekster.get(p)?.[1])));
            born.push(node(p, fil, p.startsWith('@') ? 5 : 8));
        }
        const gfil = 'gruppe-' + filnavn(g).toLowerCase();
        sider.set(gfil, side(`Gruppe: ${g}`, [
            `<p>${esc(grupper.get(g)[0])}</p>`,
            '<p>Gruppen findes også i CSS-boksen, som viser egenskaberne og de værdier, der kan vælges.</p>',
            ...(props.length ? tabel(['Egenskab', 'Bruges til'], props.map((p) => [link(filnavn(p), p), esc(foersteSaetning(beskrivelse(p) || ''))])) : []),
        ]));
        gruppeNoder.push(node(`Gruppe: ${g}`, gfil, 6, born));
    }
    if (mangler.length) ctx.fail(`css-egenskaber.txt: no description of ${mangler.join(', ')}`);
    for (const p of tekster.keys()) if (!gruppeAf.has(p)) ctx.fail(`css-egenskaber.txt: ${p} is not in the CSS box`);

    const temaer = cssTemaSider(ctx, (p) => gruppeAf.has(p));
    for (const [fil, t] of temaer) sider.set(fil, side(t.titel, t.krop));

    sider.set('index', side('CSS information', [
        '<p>CSS (Cascading Style Sheets) bestemmer, hvordan HTML-elementerne ser ud: farver, skrift, afstande, rammer og hvor elementerne står på siden. En CSS-regel består af en selektor, der vælger elementerne, og en blok med erklæringer: egenskab, kolon, værdi og semikolon.</p>',
        ...kode('p {\n  color: #1f2933;\n  line-height: 1.5;\n}'),
        '<p>Reglerne kan stå i et stylesheet, som siden henter med link, i et style-element i sidens head eller i en style-attribut på ét element. Når flere regler gælder samme egenskab, vinder den mest specifikke selektor, og ved lige vægt den sidste regel.</p>',
        '<h2>Oversigter</h2>',
        '<ul>',
        ...[...temaer].map(([fil, t]) => `<li>${link(fil, t.titel)}</li>`),
        '</ul>',
        '<h2>Egenskaberne efter gruppe</h2>',
        '<ul>',
        ...gruppeNoder.map((k) => `<li>${link(k.fil, k.titel)}</li>`),
        '</ul>',
        '<p>Tryk Ctrl+Alt+I med markøren i en CSS-egenskab i editoren for at åbne siden om netop den egenskab.</p>',
    ]));
    const rod = node('CSS information', 'index', 0, [
        ...[...temaer].map(([fil, t]) => node(t.titel, fil, 3)),
        ...gruppeNoder,
    ]);
    return ctx.skrivStruktur('CSS', rod, sider);

    function egenskabsSide(ctx, p, g, tekst, eksempelVaerdi) {
        const krop = [`<p>${esc(tekst)}</p>`];
        const vaerdier = ctx.lesData(`CSS/Values/${g}/${p}.txt`);
        if (p.startsWith('@')) {
            const d = ctx.mdnAtRules[p];
            krop.push('<h2>Syntaks</h2>', ...kode(d.syntax));
            const beskr = Object.keys(d.descriptors || {});
            if (beskr.length) krop.push('<h2>Beskrivelser</h2>', `<p>Inde i reglen kan disse beskrivelser bruges: ${beskr.map((b) => `<code>${esc(b)}</code>`).join(', ')}.</p>`);
            else if (vaerdier.length) krop.push('<h2>I CSS-boksen</h2>', `<p>${vaerdier.map((v) => `<code>${esc(v)}</code>`).join(', ')}</p>`);
            krop.push('<h2>Eksempel</h2>', ...kode(atEksempel(p, eksempelVaerdi)));
        } else {
            const d = ctx.mdnProperties[p];
            krop.push('<h2>Syntaks</h2>', ...kode(`${p}: ${d.syntax}`));
            const init = Array.isArray(d.initial)
                ? `Kortform: startværdien er delegenskabernes, ${d.initial.map((q) => (gruppeAf.has(q) ? link(filnavn(q), q) : `<code>${esc(q)}</code>`)).join(', ')}.`
                : `<code>${esc(d.initial)}</code>`;
            krop.push(...tabel(['Gruppe', 'Startværdi', 'Arves'], [[link('gruppe-' + filnavn(g).toLowerCase(), g), init, d.inherited ? 'ja' : 'nej']]));
            krop.push('<h2>Værdier i CSS-boksen</h2>');
            const dele = vaerdier.filter((v) => /^[a-z]\. /.test(v)).map((v) => v.slice(3));
            const ovr = vaerdier.filter((v) => !/^[a-z]\. /.test(v));
            if (dele.length) krop.push(`<p>Kortform for: ${dele.map((q) => link(filnavn(q), q)).join(', ')}.</p>`);
            krop.push(`<p>${ovr.map((v) => `<code>${esc(v)}</code>`).join(', ')}</p>`);
            krop.push('<p>Ord med store bogstaver er pladsholdere: LENGTH er en længde som 10px eller 2em (se ' + link('css-units', 'CSS Units') + '), COLOR en farve (se ' + link('css-colors', 'CSS Colors') + ').</p>');
            const v = eksempelVaerdi || vaelgVaerdi(ovr);
            krop.push('<h2>Eksempel</h2>', ...kode(`.boks {\n  ${p}: ${v};\n}`));
        }
        return krop;
    }
}

// A value for the example when the description table gives none.
function vaelgVaerdi(vaerdier) {
    const ord = vaerdier.find((v) => !CSS_WIDE.has(v) && /^[a-z-]+$/.test(v) && v !== 'none' && v !== 'auto' && v !== 'normal');
    if (ord) return ord;
    const pl = vaerdier.find((v) => PLADSHOLDER[v]);
    return pl ? PLADSHOLDER[pl] : 'initial';
}

function atEksempel(p, v) {
    switch (p) {
    case '@charset': return '@charset "utf-8";';
    case '@import': return '@import url("farver.css") screen;';
    case '@namespace': return '@namespace svg url(http://www.w3.org/2000/svg);';
    case '@layer': return '@layer grund, tema;\n\n@layer grund {\n  p { margin: 0; }\n}';
    case '@font-face': return '@font-face {\n  font-family: "Min skrift";\n  src: url("minskrift.woff2") format("woff2");\n}\n\nbody {\n  font-family: "Min skrift", sans-serif;\n}';
    case '@keyframes': return '@keyframes puls {\n  from { transform: scale(1); }\n  to { transform: scale(1.1); }\n}\n\n.knap {\n  animation: puls 1s ease-in-out infinite alternate;\n}';
    case '@counter-style': return '@counter-style stjerner {\n  system: cyclic;\n  symbols: "*";\n  suffix: " ";\n}\n\nul {\n  list-style-type: stjerner;\n}';
    case '@property': return '@property --vinkel {\n  syntax: "<angle>";\n  inherits: false;\n  initial-value: 0deg;\n}';
    case '@page': return '@page {\n  size: A4;\n  margin: 2cm;\n}';
    case '@starting-style': return 'dialog[open] {\n  opacity: 1;\n  transition: opacity 0.3s;\n\n  @starting-style {\n    opacity: 0;\n  }\n}';
    case '@view-transition': return '@view-transition {\n  navigation: auto;\n}';
    case '@font-feature-values': return '@font-feature-values Skrift {\n  @styleset {\n    gammel: 1;\n  }\n}';
    case '@font-palette-values': return '@font-palette-values --lys {\n  font-family: "Farveskrift";\n  base-palette: 1;\n}';
    case '@position-try': return '@position-try --under {\n  position-area: bottom;\n}';
    case '@scope': return '@scope (.kort) to (.indhold) {\n  img { border: 1px solid #d8dee4; }\n}';
    default: return `${p} ${v} {\n  .boks {\n    padding: 8px;\n  }\n}`;
    }
}
