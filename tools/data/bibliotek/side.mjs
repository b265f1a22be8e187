// Pages and structure files of the reference library.
//
// A structure is a tree of entries { titel, fil, ikon, born }: the structure file holds the
// titles indented by tabs, the data file the icon digit and the page's base name, and each
// page is tekstfiler/<fil>.html. Pages are UTF-8 with a byte-order mark, so the program's
// text reader (which takes files without a mark as Windows-1252) and the search window read
// the Danish letters right; the structure and data files stay in Windows-1252.

// Text content only: quotes stay as they are, so the search window, which decodes no other
// entity than &lt; and &gt;, shows code as it is written.
export const esc = (s) => String(s).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');

// A page's base name: letters, digits, "-", "_" and "." only, so it is a safe file name and
// needs no escaping in an address.
export function filnavn(s) {
    const map = { æ: 'ae', ø: 'oe', å: 'aa', Æ: 'Ae', Ø: 'Oe', Å: 'Aa', '@': 'at-' };
    return String(s).replace(/[æøåÆØÅ@]/g, (c) => map[c]).replace(/[^A-Za-z0-9._-]+/g, '-')
        .replace(/-+/g, '-').replace(/^-|-$/g, '');
}

export const node = (titel, fil, ikon, born = []) => ({ titel, fil, ikon, born });

const RESSOURCER = 'Design%20og%20funktioner/';

// A whole page. krop is a list of lines (HTML), written one element per line so the search
// window, which shows the line a word stands in, gives readable results.
export function side(titel, krop, hoved = []) {
    return [
        '<!DOCTYPE html>',
        '<html lang="da">',
        '<head>',
        '<meta charset="utf-8">',
        `<title>${esc(titel)}</title>`,
        `<link rel="stylesheet" href="${RESSOURCER}design.css">`,
        `<script src="${RESSOURCER}funktioner.js"></script>`,
        ...hoved,
        '</head>',
        '<body>',
        '<div class="spalteUb1">',
        `<h1 class="overskrift">${esc(titel)}</h1>`,
        ...krop,
        '</div>',
        '</body>',
        '</html>',
    ];
}

// A code block: the text escaped, its line breaks kept.
export function kode(tekst) {
    return ('<pre>' + String(tekst).split('\n').map(esc).join('\n') + '</pre>').split('\n');
}

export const link = (fil, tekst) => `<a href="${fil}.html">${esc(tekst)}</a>`;

// A two-column table of name and text cells (already HTML).
export function tabel(hoved, raekker) {
    return [
        '<table>',
        `<tr>${hoved.map((h) => `<th>${esc(h)}</th>`).join('')}</tr>`,
        ...raekker.map((r) => `<tr>${r.map((c) => `<td>${c}</td>`).join('')}</tr>`),
        '</table>',
    ];
}

// Writes one information structure: struktur.txt, data.txt, the pages and the shared style
// sheet and script. sider maps a page's base name to its lines.
export function skrivStruktur(ctx, navn, rod, sider) {
    const titler = [], data = [];
    const gaa = (n, dybde) => {
        if (/[\t\r\n]/.test(n.titel) || n.titel.trim() !== n.titel || !n.titel) ctx.fail(`${navn}: unusable title "${n.titel}"`);
        titler.push('\t'.repeat(dybde) + n.titel);
        if (n.fil && !sider.has(n.fil)) ctx.fail(`${navn}: entry "${n.titel}" has no page ${n.fil}`);
        data.push(n.fil ? `${n.ikon}${n.fil}` : '0');
        n.born.forEach((b) => gaa(b, dybde + 1));
    };
    gaa(rod, 0);
    const dir = `Struktur/${navn}`;
    ctx.writeLines(`${dir}/struktur.txt`, titler);
    ctx.writeLinesCp1252(`${dir}/data.txt`, data);
    const filer = new Set([...sider.keys()].map((f) => f.toLowerCase()));
    for (const [fil, linjer] of sider) {
        if (fil !== filnavn(fil)) ctx.fail(`${navn}: unsafe page name ${fil}`);
        tjekLinks(ctx, navn, fil, linjer, filer);
        ctx.writeUtf8(`${dir}/tekstfiler/${fil}.html`, linjer);
    }
    for (const f of ['design.css', 'funktioner.js']) ctx.writeLines(`${dir}/tekstfiler/Design og funktioner/${f}`, ctx.resurse(f));
    return sider.size;
}

// Every address in a page's markup must be one of the structure's own pages or resources:
// the pages are read offline, in a browser pane that must not reach the network.
function tjekLinks(ctx, navn, fil, linjer, filer) {
    const tags = linjer.join('\n').match(/<[a-zA-Z][^>]*>/g) || [];
    for (const m of tags.join(' ').matchAll(/\s(href|src|action|data|poster|srcset)="([^"]*)"/g)) {
        const adr = m[2];
        if (adr.startsWith('#') || adr === '') continue;
        if (adr.startsWith('Design%20og%20funktioner/')) continue;
        const bar = decodeURIComponent(adr.split('#')[0]);
        if (/^[a-z]+:/i.test(bar) || bar.includes('/') || !bar.endsWith('.html') || !filer.has(bar.slice(0, -5).toLowerCase())) {
            ctx.fail(`${navn}/${fil}: address "${adr}" is no page of the structure`);
        }
    }
}

// Data file names that differ from N + "Data.txt": the program looks for these spellings.
const DATAFIL = { NamedNodeMap: 'NamedNodeMApData.txt' };

// Writes one object structure of Script/: N + "Struktur.txt" with the titles and the data
// file with one line per entry: icon digit, definition, then "|" and the syntax or example
// lines. Returns the number of entries.
export function skrivObjektStruktur(ctx, navn, rod) {
    const titler = [], data = [];
    const gaa = (n, dybde) => {
        if (!n.titel || /[\t\r\n]/.test(n.titel) || n.titel.trim() !== n.titel) ctx.fail(`Script/${navn}: unusable title "${n.titel}"`);
        if (!/^[0-9][^|]/.test(n.data)) ctx.fail(`Script/${navn}: entry "${n.titel}" has no icon and definition`);
        if (n.data.split('|').length > 4) ctx.fail(`Script/${navn}: entry "${n.titel}" has more than four fields`);
        titler.push('\t'.repeat(dybde) + n.titel);
        data.push(n.data);
        n.born.forEach((b) => gaa(b, dybde + 1));
    };
    gaa(rod, 0);
    ctx.writeLines(`Script/${navn}Struktur.txt`, titler);
    ctx.writeLinesCp1252(`Script/${DATAFIL[navn] || navn + 'Data.txt'}`, data);
    return titler.length;
}
