// "VBS": the VBScript reference (statements, functions, operators, objects, the ASP,
// Scripting and Windows Script Host objects), and the object structures "VbScript", "ASP",
// "Scripting", "WScript" and "batch" of Script/, all from kilder/bibliotek/vbs.txt.

import { esc, filnavn, kode, link, node, side, tabel } from './side.mjs';

const SLAGS = {
    sætning: ['Sætning', 3, 1], funktion: ['Funktion', 2, 5], operator: ['Operator', 9, 9],
    egenskab: ['Egenskab', 1, 8], metode: ['Metode', 2, 5], samling: ['Samling', 6, 8],
    hændelse: ['Hændelse', 9, 9], kommando: ['Kommando', 2, 5], konstant: ['Konstant', 5, 8],
};
const ROD = {
    VbScript: ['VbScript', 'VBScript-sproget: sætninger, funktioner, operatorer og objekter.'],
    ASP: ['ASP', 'De indbyggede objekter i klassisk ASP, som en .asp-side bruger til at læse forespørgslen og skrive svaret.'],
    Scripting: ['Scripting', 'Scripting-biblioteket: filsystemet, tekstfiler og ordbøger.'],
    WScript: ['Windows Script Host', 'Objekterne i Windows Script Host, som .vbs- og .wsf-filer kører i.'],
    batch: ['Batch', 'Kommandoerne i Windows batchfiler.'],
};
const REF_GRUPPE = { VbScript: null, ASP: 'ASP objekter', Scripting: 'Scripting objekter', WScript: 'WScript objekter' };

function laes(ctx) {
    const afsnit = [];
    for (const l of ctx.readSource('bibliotek', 'vbs.txt')) {
        const h = /^\[(.*)\]$/.exec(l.trim());
        if (h) {
            const [struktur, titel, ikon, tekst] = h[1].split(' | ').map((s) => s.trim());
            if (!ROD[struktur] || !tekst || !['3', '4'].includes(ikon)) ctx.fail(`vbs.txt: cannot read "${l}"`);
            afsnit.push({ struktur, titel, objekt: ikon === '4', tekst, punkter: [] });
            continue;
        }
        const d = l.split(' | ').map((s) => s.trim());
        if (!afsnit.length || d.length < 4 || !SLAGS[d[1]]) ctx.fail(`vbs.txt: cannot read "${l}"`);
        const syntaks = d.slice(2, -1);
        if (syntaks.length > 3 || syntaks.some((s) => s.includes('|'))) ctx.fail(`vbs.txt: ${d[0]}: at most three syntax lines without "|"`);
        afsnit[afsnit.length - 1].punkter.push({ navn: d[0], slags: d[1], syntaks, tekst: d[d.length - 1] });
    }
    return afsnit;
}

export function skrivVbs(ctx) {
    const afsnit = laes(ctx);
    const sider = new Map();
    const refGrupper = new Map();
    let nr = 0;
    for (const a of afsnit) {
        a.fil = 'vbs-' + filnavn(a.titel).toLowerCase();
        for (const p of a.punkter) {
            const navn = filnavn(p.navn) || 'tegn' + [...p.navn].map((c) => c.codePointAt(0)).join('-');
            p.fil = `${a.fil}-${navn}`;
            if (sider.has(p.fil)) p.fil += `-${++nr}`;
            sider.set(p.fil, side(p.navn, [
                `<p>${esc(p.tekst)}</p>`,
                `<p>${SLAGS[p.slags][0]} i ${link(a.fil, a.titel)}.</p>`,
                '<h2>Syntaks</h2>',
                ...kode(p.syntaks.join('\n')),
            ]));
        }
        sider.set(a.fil, side(a.titel, [
            `<p>${esc(a.tekst)}</p>`,
            ...tabel(['Navn', 'Slags', 'Bruges til'], a.punkter.map((p) => [link(p.fil, p.navn), SLAGS[p.slags][0], esc(p.tekst)])),
        ]));
        if (a.struktur === 'batch') continue;
        const gruppe = REF_GRUPPE[a.struktur] || (a.objekt ? 'Objekter' : null);
        const n = node(a.titel, a.fil, a.objekt ? 4 : 6, a.punkter.map((p) => node(p.navn, p.fil, SLAGS[p.slags][2])));
        if (gruppe) {
            if (!refGrupper.has(gruppe)) refGrupper.set(gruppe, []);
            refGrupper.get(gruppe).push(n);
        } else {
            refGrupper.set(a.titel, n);
        }
    }
    const topNoder = [];
    for (const [titel, v] of refGrupper) {
        if (!Array.isArray(v)) { topNoder.push(v); continue; }
        const fil = 'vbs-gruppe-' + filnavn(titel).toLowerCase();
        sider.set(fil, side(titel, [
            `<p>${esc(titel === 'Objekter' ? 'VBScripts egne objekter.' : titel === 'ASP objekter' ? ROD.ASP[1] : titel === 'Scripting objekter' ? ROD.Scripting[1] : ROD.WScript[1])}</p>`,
            ...tabel(['Objekt', 'Beskrivelse'], v.map((o) => [link(o.fil, o.titel), esc(afsnit.find((a) => a.fil === o.fil).tekst)])),
        ]));
        topNoder.push(node(titel, fil, 6, v));
    }
    for (const [fil] of sider) if (fil.startsWith('vbs-batch')) sider.delete(fil);
    sider.set('index', side('VBScript information', [
        '<p>VBScript er Microsofts scriptsprog i Basic-stil. Det bruges i klassiske ASP-sider, der køres på webserveren, og i Windows Script Host-filer (.vbs, .wsf), der automatiserer opgaver i Windows.</p>',
        '<p>VBScript skelner ikke mellem store og små bogstaver, men koden er lettere at læse med den stavning, referencen bruger. Knappen "Rediger ord i forhold til objektstrukturen" retter stavningen i et script efter referencens titler.</p>',
        ...kode('<%\nDim navn\nnavn = Request.Form("navn")\nIf navn = "" Then\n  Response.Write "Skriv dit navn."\nElse\n  Response.Write "Hej " & Server.HTMLEncode(navn)\nEnd If\n%>'),
        '<h2>Indhold</h2>',
        '<ul>',
        ...topNoder.map((k) => `<li>${link(k.fil, k.titel)}</li>`),
        '</ul>',
    ]));
    const antal = ctx.skrivStruktur('VBS', node('VBScript information', 'index', 0, topNoder), sider);

    const scriptAntal = {};
    for (const s of Object.keys(ROD)) {
        const mine = afsnit.filter((a) => a.struktur === s);
        const born = mine.map((a) => ({
            titel: a.titel, data: `${a.objekt ? 0 : 3}${a.tekst}`,
            born: a.punkter.map((p) => ({ titel: p.navn, data: `${SLAGS[p.slags][1]}${p.tekst}|${p.syntaks.join('|')}`, born: [] })),
        }));
        const rod = s === 'batch' && born.length === 1 ? { ...born[0], titel: ROD[s][0] }
            : { titel: ROD[s][0], data: `3${ROD[s][1]}`, born };
        scriptAntal[s] = ctx.skrivObjektStruktur(s, rod);
    }
    return { antal, scriptAntal };
}
