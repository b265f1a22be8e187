// "Information": the HTML reference. One page per element of AlleKoder.txt, grouped as the
// code panel categories group them, and pages for the global attributes, the event
// attributes and the style attribute. Facts come from the data tree written before (its
// attribute, value and between-tag lists); the sentences from kilder/bibliotek/.

import { esc, kode, link, node, side, tabel } from './side.mjs';
import { foersteSaetning, tabelKilde } from './kilde.mjs';

// Code panel category files in the order an element is placed: the most specific first, so
// td lands among the table codes and not among the basic codes.
const KATEGORIER = [
    ['_tables.txt', 'Tabelkoder', 'Koder, der bygger tabeller: rækker, celler, overskrifter og kolonnegrupper.'],
    ['_lists.txt', 'Listekoder', 'Punktlister, nummererede lister og beskrivelseslister.'],
    ['_form.txt', 'Formkoder', 'Formularer og deres felter, knapper og rullelister.'],
    ['_audioVideo.txt', 'Audio og video koder', 'Lyd, film og andet indlejret indhold.'],
    ['_billeder.txt', 'Billedkoder', 'Billeder, figurer, billedkort og tegninger.'],
    ['_links.txt', 'Linkkoder', 'Links og forbindelser til andre sider og filer.'],
    ['_meta.txt', 'Metakoder', 'Koderne i sidens hoved: titel, tegnsæt, stylesheets og scripts.'],
    ['_programmering.txt', 'Programmeringskoder', 'Scripts, skabeloner, kode og formler.'],
    ['_frames.txt', 'Rammekoder', 'Andre sider og dokumenter vist i en ramme.'],
    ['_formatering.txt', 'Formateringskoder', 'Koder, der fremhæver eller markerer ord og tegn i teksten.'],
    ['_tekst.txt', 'Indholdskoder', 'Overskrifter, afsnit, citater og andre tekstelementer.'],
    ['_indhold.txt', 'Strukturkoder', 'Koder, der deler siden op i afsnit: hoved, navigation, hovedindhold, sidebjælke og fod.'],
    ['_grundkoder.txt', 'Grundkoder', 'De koder, næsten enhver side bruger.'],
];

// What stands between the tags of the elements that have no between-tag list.
const INDHOLD_UDEN_LISTE = {
    iframe: 'Intet. Rammens indhold kommer fra adressen i src eller fra srcdoc.',
    math: 'MathML-elementer som mi (navn), mn (tal), mo (tegn), mrow, mfrac og msup.',
    option: 'Kun tekst: den tekst, brugeren ser i listen.',
    rp: 'Kun tekst, normalt en parentes.',
    script: 'JavaScript-kode, eller intet, når koden hentes fra filen i src.',
    selectedcontent: 'Intet. Browseren kopierer selv den valgte options indhold herind.',
    style: 'CSS-regler.',
    svg: 'SVG-elementer som rect, circle, line, path, text og g.',
    textarea: 'Kun tekst: feltets startværdi.',
    title: 'Kun tekst: sidens titel.',
};

export function skrivHtml(ctx) {
    const elementer = ctx.lesData('Dir/Html/AlleKoder.txt');
    const udenSlut = new Set(ctx.lesData('Dir/Html/UdenSlutkode.txt'));
    const globale = ctx.lesData('Dir/Attributes/_globaleAttributter.txt');
    const globaleEvents = ctx.lesData('Dir/Attributes/_globaleEvents.txt');
    const formEvents = ctx.lesData('Dir/Attributes/_formEvents.txt');
    const mediaEvents = ctx.lesData('Dir/Attributes/_mediaEvents.txt');
    const enkelt = new Set(ctx.lesData('Dir/Attributes/_undtagelser.txt'));
    const globalSet = new Set([...globale, ...globaleEvents]);

    const beskrivelser = tabelKilde(ctx, 'html-elementer.txt', 3);
    const attrTekst = tabelKilde(ctx, 'html-attributter.txt');
    const globalTekst = tabelKilde(ctx, 'html-globale.txt');
    for (const e of elementer) if (!beskrivelser.has(e)) ctx.fail(`html-elementer.txt: no description of ${e}`);
    for (const e of beskrivelser.keys()) if (!elementer.includes(e)) ctx.fail(`html-elementer.txt: ${e} is no element`);

    // Values of an attribute as the attribute panel finds them: attr_element first, then attr.
    const vaerdier = (el, a) => {
        for (const f of [`${a}_${el}`, a]) {
            const l = ctx.lesDataHvisFindes(`Dir/Values/${f}.txt`);
            if (l) return l.filter((v) => !/^[A-Z]{2}/.test(v));
        }
        return null;
    };
    const vaerdiTekst = (el, a) => {
        if (enkelt.has(a)) return 'skrives uden værdi';
        const v = vaerdier(el, a);
        if (!v) return '';
        const vis = v.slice(0, 24).map((x) => `<code>${esc(x)}</code>`).join(', ');
        return v.length > 24 ? `${vis} … (${v.length} i alt)` : vis;
    };
    const attrBeskrivelse = (el, a) => {
        const t = attrTekst.get(`${a}@${el}`) || attrTekst.get(a) || globalTekst.get(a);
        if (!t) ctx.fail(`html-attributter.txt: no description of ${a} (on ${el})`);
        return t[0];
    };

    const sider = new Map();
    const elementNode = new Map();

    for (const el of elementer) {
        const [tekst, eksempel] = beskrivelser.get(el);
        const egne = ctx.lesData(`Dir/Attributes/${el}.txt`).filter((a) => !globalSet.has(a));
        const krop = [`<p>${esc(tekst)}</p>`];
        krop.push('<h2>Kode</h2>');
        if (udenSlut.has(el)) {
            krop.push(...kode(`<${el}>`), `<p>${esc(el)} har ingen slutkode og intet indhold.</p>`);
        } else {
            krop.push(...kode(`<${el}></${el}>`), `<p>${esc(el)} skrives med start- og slutkode; indholdet står mellem dem.</p>`);
        }
        krop.push('<h2>Attributter</h2>');
        if (el === 'svg' || el === 'math') {
            krop.push(`<p>${el === 'svg' ? 'Ud over de globale HTML-attributter kender svg SVG-sprogets egne attributter til størrelse, koordinater og udseende' : 'Ud over de globale HTML-attributter kender math MathML-sprogets egne attributter'}:</p>`,
                `<p>${egne.map((a) => `<code>${esc(a)}</code>`).join(', ')}</p>`);
        } else if (egne.length) {
            krop.push(...tabel(['Attribut', 'Betydning', 'Værdier'],
                egne.map((a) => [`<code>${esc(a)}</code>`, esc(attrBeskrivelse(el, a)), vaerdiTekst(el, a)])));
        } else {
            krop.push(`<p>${esc(el)} har ingen egne attributter.</p>`);
        }
        krop.push(`<p>Desuden kan alle ${link('globale-attributter', 'globale attributter')} og ${link('event-attributter', 'event-attributter')} bruges, fx ${link('attr-style', 'style')}.</p>`);
        krop.push('<h2>Indhold</h2>');
        const mellem = ctx.lesDataHvisFindes(`Dir/Betweentags/${el}.txt`);
        if (udenSlut.has(el)) {
            krop.push('<p>Intet: elementet har ingen slutkode.</p>');
        } else if (mellem) {
            const navne = mellem.map((i) => i.slice(1, i.indexOf('>')));
            krop.push(`<p>Mellem koderne kan stå tekst og disse elementer: ${navne.map((n) => link(`${n}`, n)).join(', ')}.</p>`);
        } else {
            const t = INDHOLD_UDEN_LISTE[el];
            if (!t) ctx.fail(`html: no content sentence for ${el}`);
            krop.push(`<p>${esc(t)}</p>`);
        }
        krop.push('<h2>Eksempel</h2>', ...kode(eksempel));
        sider.set(el, side(el, krop));
        elementNode.set(el, node(el, el, 1));
    }

    // Categories: each element once, in the first category of KATEGORIER that lists it.
    const placeret = new Set();
    const katNoder = [];
    for (const [fil, titel, intro] of KATEGORIER) {
        const items = ctx.lesData(`Dir/Html/${fil}`).map((i) => i.slice(1, i.indexOf('>')));
        const mine = [...new Set(items)].filter((e) => elementer.includes(e) && !placeret.has(e));
        mine.forEach((e) => placeret.add(e));
        const alle = [...new Set(items)].filter((e) => elementer.includes(e));
        const katFil = 'kategori-' + fil.slice(1, -4).toLowerCase();
        sider.set(katFil, side(titel, [
            `<p>${esc(intro)} Koderne findes også i kodepanelet under ${esc(titel.toLowerCase())}.</p>`,
            ...tabel(['Kode', 'Bruges til'], alle.map((e) => [link(e, e), esc(foersteSaetning(beskrivelser.get(e)[0]))])),
        ]));
        katNoder.push(node(titel, katFil, 6, ctx.sorted(mine).map((e) => elementNode.get(e))));
    }
    const rest = elementer.filter((e) => !placeret.has(e));
    if (rest.length) {
        sider.set('kategori-oevrige', side('Øvrige koder', [
            '<p>Koder, som ikke står i nogen af kodepanelets kategorier.</p>',
            ...tabel(['Kode', 'Bruges til'], rest.map((e) => [link(e, e), esc(foersteSaetning(beskrivelser.get(e)[0]))])),
        ]));
        katNoder.push(node('Øvrige koder', 'kategori-oevrige', 6, rest.map((e) => elementNode.get(e))));
    }

    // Global attributes, with aria-* in a table of their own.
    const vanlige = globale.filter((a) => !a.startsWith('aria-'));
    const aria = globale.filter((a) => a.startsWith('aria-'));
    const globalRaekke = (a) => {
        const t = globalTekst.get(a);
        if (!t) ctx.fail(`html-globale.txt: no description of ${a}`);
        return [a === 'style' ? link('attr-style', 'style') : `<code>${esc(a)}</code>`, esc(t[0]), vaerdiTekst('*', a)];
    };
    sider.set('globale-attributter', side('Globale attributter', [
        '<p>De globale attributter kan skrives på ethvert HTML-element. De styrer fx elementets navn (id og class), sprog, synlighed og hvordan det kan bruges med tastatur og skærmlæser.</p>',
        ...tabel(['Attribut', 'Betydning', 'Værdier'], vanlige.map(globalRaekke)),
        '<h2>ARIA-attributter</h2>',
        '<p>Attributterne, der begynder med aria-, fortæller skærmlæsere og andre hjælpemidler, hvad et element er, og hvilken tilstand det er i. Brug dem, når et element bygget af div og span skal opføre sig som en knap, en menu eller en fane; de ændrer ikke selv elementets udseende eller opførsel.</p>',
        ...tabel(['Attribut', 'Betydning', 'Værdier'], aria.map(globalRaekke)),
    ]));
    sider.set('attr-style', side('style', [
        '<p>Attributten style giver ét element sine egne CSS-regler. Værdien er en eller flere CSS-erklæringer, hver skrevet som egenskab, kolon og værdi og afsluttet med semikolon.</p>',
        ...kode('<p style="color: #1d4f91; font-size: 18px;">Blå og lidt større tekst</p>'),
        '<p>Regler i style gælder kun det ene element og vinder over reglerne i et stylesheet. Brug dem til enkelte undtagelser; regler, flere elementer deler, hører hjemme i et style-element eller et stylesheet, hvor de kun skal rettes ét sted.</p>',
        '<p>Står markøren i en CSS-egenskab i style-attributten, åbner Ctrl+Alt+I CSS-referencen ved egenskaben.</p>',
        `<p>Se også elementet ${link('style', 'style')} og de andre ${link('globale-attributter', 'globale attributter')}.</p>`,
    ]));

    const eventRaekke = (a) => {
        const t = globalTekst.get(a) || attrTekst.get(a);
        if (!t) ctx.fail(`html-globale.txt: no description of ${a}`);
        return [`<code>${esc(a)}</code>`, esc(t[0])];
    };
    const vindue = ctx.lesData('Dir/Attributes/body.txt').filter((a) => a.startsWith('on') && !globalSet.has(a));
    sider.set('event-attributter', side('Event attributter', [
        '<p>En event-attribut indeholder JavaScript, der køres, når noget bestemt sker med elementet: et klik, et tastetryk, at en fil er hentet og så videre. Attributten hedder on efterfulgt af hændelsens navn.</p>',
        ...kode('<button type="button" onclick="this.textContent = \'Tak!\'">Klik her</button>'),
        '<p>I større scripts er det ofte bedre at knytte hændelsen til elementet fra JavaScript med addEventListener, så HTML og script holdes adskilt.</p>',
        '<h2>Globale events</h2>',
        '<p>Kan skrives på alle elementer.</p>',
        ...tabel(['Attribut', 'Hændelse'], globaleEvents.map(eventRaekke)),
        '<h2>Form events</h2>',
        '<p>Hændelser i formularer og deres felter.</p>',
        ...tabel(['Attribut', 'Hændelse'], formEvents.map(eventRaekke)),
        '<h2>Media events</h2>',
        '<p>Hændelser under afspilning af audio og video.</p>',
        ...tabel(['Attribut', 'Hændelse'], mediaEvents.map(eventRaekke)),
        '<h2>Vinduets events</h2>',
        '<p>Hændelser for hele vinduet; de skrives på body.</p>',
        ...tabel(['Attribut', 'Hændelse'], vindue.map(eventRaekke)),
    ]));

    sider.set('index', side('HTML information', [
        '<p>HTML er det sprog, en webside skrives i. Siden består af elementer, som hver skrives med en startkode, fx &lt;p&gt;, et indhold og en slutkode, fx &lt;/p&gt;. Nogle elementer, som br og img, har ingen slutkode.</p>',
        '<p>Startkoden kan have attributter, der giver elementet flere oplysninger: navn, værdi og lighedstegn, med værdien i anførselstegn.</p>',
        ...kode('<a href="kontakt.html" title="Skriv til os">Kontakt</a>'),
        '<h2>En hel side</h2>',
        ...kode('<!DOCTYPE html>\n<html lang="da">\n<head>\n<meta charset="utf-8">\n<title>Min første side</title>\n</head>\n<body>\n<h1>Hej verden</h1>\n<p>Det første afsnit.</p>\n</body>\n</html>'),
        '<h2>Koderne efter emne</h2>',
        '<ul>',
        ...katNoder.map((k) => `<li>${link(k.fil, k.titel)}</li>`),
        '</ul>',
        `<p>Attributter, der kan bruges på alle elementer: ${link('globale-attributter', 'Globale attributter')} og ${link('event-attributter', 'Event attributter')}.</p>`,
        '<p>Tryk Ctrl+I med markøren i en kode i editoren for at åbne siden om netop den kode.</p>',
    ]));

    const rod = node('HTML information', 'index', 0, [
        node('Globale attributter', 'globale-attributter', 3, [node('style', 'attr-style', 8)]),
        node('Event attributter', 'event-attributter', 3),
        ...katNoder,
    ]);
    return ctx.skrivStruktur('Information', rod, sider);
}
