// "Programmet" (the program's manual, with the pages "Genvejstaster" and "Hovedmenuen" made
// from the program's real menus and shortcuts in kilder/bibliotek/menuer.txt) and
// "Eksempler" (working components to copy).

import { esc, kode, link, node, side, tabel } from './side.mjs';
import { eksempler } from './eksempler.mjs';

function afsnit(linjer) {
    const ud = [];
    let liste = false;
    for (const l of linjer) {
        if (l.startsWith('- ')) {
            if (!liste) ud.push('<ul>');
            liste = true;
            ud.push(`<li>${esc(l.slice(2))}</li>`);
            continue;
        }
        if (liste) ud.push('</ul>');
        liste = false;
        ud.push(l.startsWith('## ') ? `<h2>${esc(l.slice(3))}</h2>` : `<p>${esc(l).replace(/&amp;alpha;/g, '&amp;alpha;')}</p>`);
    }
    if (liste) ud.push('</ul>');
    return ud;
}

function laesMenuer(ctx) {
    const afs = { menu: [], genveje: [] };
    let cur = null;
    for (const l of ctx.readSource('bibliotek', 'menuer.txt')) {
        const m = /^\[(menu|genveje)\]$/.exec(l);
        if (m) { cur = afs[m[1]]; continue; }
        if (!cur) ctx.fail(`menuer.txt: line outside a section: ${l}`);
        cur.push(l);
    }
    if (!afs.menu.length || !afs.genveje.length) ctx.fail('menuer.txt: no menus or shortcuts');
    return afs;
}

export function skrivProgram(ctx) {
    const sider = new Map();
    const noder = new Map();
    let rod = null;
    let cur = null;
    for (const l of ctx.readSource('bibliotek', 'program.txt')) {
        const h = /^\[(.+) \| (.+) \| (.+)\]$/.exec(l.trim());
        if (h) {
            cur = { titel: h[1], fil: h[2], far: h[3], linjer: [] };
            if (noder.has(cur.titel)) ctx.fail(`program.txt: ${cur.titel} twice`);
            const n = node(cur.titel, cur.fil, cur.far === '-' ? 0 : 3);
            noder.set(cur.titel, { n, cur });
            if (cur.far === '-') rod = n;
            else {
                const far = noder.get(cur.far);
                if (!far) ctx.fail(`program.txt: ${cur.titel}: no page ${cur.far} before it`);
                far.n.born.push(n);
                far.n.ikon = far.n.ikon || 1;
            }
            continue;
        }
        if (!cur) ctx.fail(`program.txt: text before the first page: ${l}`);
        cur.linjer.push(l.trim());
    }
    for (const { n, cur } of noder.values()) {
        const under = n.born.length ? ['<h2>Se også</h2>', '<ul>', ...n.born.map((b) => `<li>${link(b.fil, b.titel)}</li>`), '</ul>'] : [];
        sider.set(cur.fil, side(cur.titel, [...afsnit(cur.linjer), ...under]));
    }

    const { menu, genveje } = laesMenuer(ctx);
    const menuLinjer = [];
    let dybde = 0;
    for (const l of menu) {
        const d = /^\t*/.exec(l)[0].length;
        const [tekst, tast] = l.trim().split(' | ');
        while (dybde < d) { menuLinjer.push('<ul>'); dybde++; }
        while (dybde > d) { menuLinjer.push('</ul>'); dybde--; }
        menuLinjer.push(d === 0 ? `<h2>${esc(tekst)}</h2>` : `<li>${esc(tekst)}${tast ? ` <kbd>${esc(tast)}</kbd>` : ''}</li>`);
    }
    while (dybde > 0) { menuLinjer.push('</ul>'); dybde--; }
    // Nested lists must sit inside an item: move each inner <ul> into the item before it.
    const rettet = [];
    for (const l of menuLinjer) {
        if (l === '<ul>' && rettet.length && rettet[rettet.length - 1].startsWith('<li>')) {
            rettet[rettet.length - 1] = rettet[rettet.length - 1].replace(/<\/li>$/, '');
            rettet.push('<ul>');
            continue;
        }
        rettet.push(l);
        if (l === '</ul>') {
            // Close the item the list was opened in (not the outermost list after a heading).
            const aabne = rettet.filter((x) => x === '<ul>').length - rettet.filter((x) => x === '</ul>').length;
            if (aabne > 0) rettet.push('</li>');
        }
    }
    sider.set('hovedmenuen', side('Hovedmenuen', [
        '<p>Hovedvinduets menuer med deres punkter og genvejstaster, som programmet har dem.</p>',
        ...rettet,
    ]));
    sider.set('genvejstaster', side('Genvejstaster', [
        '<p>Tasterne, programmets kommandoer kan udføres med. De fleste virker kun, når et dokument er åbent.</p>',
        ...tabel(['Tast', 'Kommando'], genveje.map((g) => {
            const [t, k] = g.split(' | ');
            return [`<kbd>${esc(t)}</kbd>`, esc(k)];
        })),
    ]));
    rod.born.push(node('Genvejstaster', 'genvejstaster', 3), node('Hovedmenuen', 'hovedmenuen', 3));
    const antal = ctx.skrivStruktur('Programmet', rod, sider);

    // Examples.
    const eSider = new Map();
    const eNoder = [];
    for (const e of eksempler) {
        eSider.set(e.fil, side(e.titel, [
            `<p>${esc(e.tekst)}</p>`,
            '<h2>Sådan ser den ud</h2>',
            '<div class="eksempel">',
            ...e.html.split('\n'),
            ...(e.js ? ['<script>', ...e.js.split('\n'), '</script>'] : []),
            '</div>',
            '<h2>HTML</h2>', ...kode(e.html),
            '<h2>CSS</h2>', ...kode(e.css),
            ...(e.js ? ['<h2>JavaScript</h2>', ...kode(e.js)] : []),
            '<p>Kopier koden med knappen Kopier, og sæt CSS-reglerne ind i sidens stylesheet eller style-element.</p>',
        ], ['<style>', ...e.css.split('\n'), '</style>']));
        eNoder.push(node(e.titel, e.fil, 2));
    }
    eSider.set('index', side('Eksempler', [
        '<p>Færdige komponenter med HTML, CSS og JavaScript, som du kan kopiere ind i dine egne sider. Hver side viser komponenten, mens den virker, og koden bagefter.</p>',
        '<ul>', ...eksempler.map((e) => `<li>${link(e.fil, e.titel)}: ${esc(e.tekst)}</li>`), '</ul>',
    ]));
    const eAntal = ctx.skrivStruktur('Eksempler', node('Eksempler', 'index', 0, eNoder), eSider);
    return { antal, eAntal };
}
