#!/usr/bin/env node
// Builds the installed data tree (data/) from the pinned packages and the curated tables
// in kilder/. Usage: node generate.mjs [output folder]   (default: ../../data)
//
// Output is deterministic: every list is sorted with a fixed, locale-free order, and the
// folders this script owns (Dir/, CSS/, Klicheer/, HTML/) are emptied before writing, so
// a second run over the same lock file gives the same bytes.

import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { createRequire } from 'node:module';

import { htmlElementAttributes } from 'html-element-attributes';
import { htmlEventAttributes } from 'html-event-attributes';
import { htmlVoidElements } from 'html-void-elements';
import { svgElementAttributes } from 'svg-element-attributes';
import { ariaAttributes } from 'aria-attributes';
import { characterEntities } from 'character-entities';
import { unicodeName } from 'unicode-name';

import { BIBLIOTEK_MAPPER, skrivBibliotek } from './bibliotek/index.mjs';

const require = createRequire(import.meta.url);
const here = path.dirname(fileURLToPath(import.meta.url));
const src = (...p) => path.join(here, 'kilder', ...p);

const bcd = require('@mdn/browser-compat-data');
const vscodeHtml = require('@vscode/web-custom-data/data/browsers.html-data.json');
const mdnProperties = require('mdn-data/css/properties.json');
const mdnSyntaxes = require('mdn-data/css/syntaxes.json');
const mdnAtRules = require('mdn-data/css/at-rules.json');
const webrefHtml = require('@webref/elements/html.json');
const webrefForeign = ['SVG2', 'svg-animations', 'svg-paths', 'filter-effects-1', 'css-masking-1', 'mathml-core']
    .map((n) => require(`@webref/elements/${n}.json`));

const outRoot = path.resolve(process.argv[2] || path.join(here, '..', '..', 'data'));

// ---------------------------------------------------------------------------------------
// helpers

function fail(msg) {
    console.error('generate: ' + msg);
    process.exit(1);
}

// Locale-free order: case-insensitive first, then by code units, so ties are stable.
function cmp(a, b) {
    const la = a.toLowerCase(), lb = b.toLowerCase();
    if (la !== lb) return la < lb ? -1 : 1;
    return a < b ? -1 : a > b ? 1 : 0;
}
const sorted = (iter) => [...new Set(iter)].sort(cmp);

// Windows-1252 bytes 0x80-0x9F; everything else in 0x00-0xFF is Latin-1.
const CP1252_HIGH = '\u20AC\uFFFD\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\uFFFD\u017D\uFFFD'
    + '\uFFFD\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\uFFFD\u017E\u0178';

function encodeCp1252(text) {
    const out = [];
    for (const ch of text) {
        const c = ch.codePointAt(0);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) { out.push(c); continue; }
        const i = CP1252_HIGH.indexOf(ch);
        if (i < 0 || ch === '\uFFFD') return null;
        out.push(0x80 + i);
    }
    return Buffer.from(out);
}

const written = new Set();

// Writes lines with CR LF and a final line break: Windows-1252 when every character fits,
// else UTF-8 with a byte-order mark.
function writeLines(rel, lines) {
    for (const l of lines) {
        if (/[\r\n]/.test(l)) fail(`line break inside a line of ${rel}`);
    }
    const text = lines.map((l) => l + '\r\n').join('');
    let bytes = encodeCp1252(text);
    if (!bytes) bytes = Buffer.concat([Buffer.from([0xEF, 0xBB, 0xBF]), Buffer.from(text, 'utf8')]);
    writeBytes(rel, bytes);
}

// Files the program reads in its 8-bit code page only (data files of structures): a
// character outside Windows-1252 is an error, not a reason to switch encoding.
function writeLinesCp1252(rel, lines) {
    const text = lines.map((l) => l + '\r\n').join('');
    const bytes = encodeCp1252(text);
    if (!bytes) fail(`${rel} holds a character outside Windows-1252`);
    if (lines.some((l) => /[\r\n]/.test(l))) fail(`line break inside a line of ${rel}`);
    writeBytes(rel, bytes);
}

// UTF-8 with a byte-order mark and CR LF: the reference pages.
function writeUtf8(rel, lines) {
    const text = lines.map((l) => l + '\r\n').join('');
    writeBytes(rel, Buffer.concat([Buffer.from([0xEF, 0xBB, 0xBF]), Buffer.from(text, 'utf8')]));
}

function writeBytes(rel, bytes) {
    const key = rel.toLowerCase();
    if (written.has(key)) fail(`${rel} written twice`);
    written.add(key);
    const full = path.join(outRoot, rel);
    fs.mkdirSync(path.dirname(full), { recursive: true });
    fs.writeFileSync(full, bytes);
}

// Reads a curated source: lines without comments ("#" at the start) and blank lines.
function readSource(...p) {
    return fs.readFileSync(src(...p), 'utf8').split(/\r?\n/)
        .map((l) => l.replace(/\s+$/, ''))
        .filter((l) => l.trim() !== '' && !l.trimStart().startsWith('#'));
}

// Splits a source into "[name]" sections.
function readSections(...p) {
    const sections = new Map();
    let cur = null;
    for (const l of readSource(...p)) {
        const m = /^\[(.+)\]$/.exec(l.trim());
        if (m) {
            if (sections.has(m[1])) fail(`section [${m[1]}] twice in ${p.join('/')}`);
            cur = [];
            sections.set(m[1], cur);
        } else if (cur) {
            cur.push(l.trim());
        } else {
            fail(`line outside a section in ${p.join('/')}: ${l}`);
        }
    }
    return sections;
}

// A heading in a value list starts with two capital letters A-Z.
const isHeading = (s) => /^[A-Z]{2}/.test(s);

// A name that is safe as a file name on every system the program runs on.
function checkFileName(name) {
    if (!name || /[\\/:*?"<>|\x00-\x1f]/.test(name) || name.includes('..')) fail(`unusable file name: ${name}`);
}

// ---------------------------------------------------------------------------------------
// elements

const obsolete = new Set(webrefHtml.elements.filter((e) => e.obsolete).map((e) => e.name));
const htmlElements = sorted(webrefHtml.elements.filter((e) => !e.obsolete).map((e) => e.name));
const allElements = sorted([...htmlElements, 'svg', 'math']);
const known = new Set(allElements);

const voidSet = new Set(htmlVoidElements);
const voidElements = allElements.filter((e) => voidSet.has(e));
const endTagElements = allElements.filter((e) => !voidSet.has(e));

// Elements of SVG and MathML that are not HTML elements: the structure reader skips them,
// so an inline drawing or formula shows as one svg or math element instead of a tree of
// unknown tags. Names HTML also uses (a, script, style, title) must stay out.
const foreignNames = sorted(webrefForeign.flatMap((f) => f.elements.map((e) => e.name))
    .filter((n) => !known.has(n.toLowerCase()) && !obsolete.has(n.toLowerCase())));

const tagItem = (name) => (voidSet.has(name) ? `<${name}>` : `<${name}></${name}>`);

// The tag name of a code list item: from its second character up to the first ">".
function itemTagName(item) {
    const end = item.indexOf('>');
    return end < 0 ? item.slice(1) : item.slice(1, end);
}

function htmlLists() {
    writeLines('Dir/Html/AlleKoder.txt', allElements);
    writeLines('Dir/Html/UdenSlutkode.txt', voidElements);
    writeLines('Dir/Html/MedSlutkode.txt', endTagElements);
    writeLines('Dir/Html/Ekskluderet.txt', foreignNames);

    writeLines('Dir/Html/_Koder.txt', allElements.map(tagItem));
    const cats = readSections('kodekategorier.txt');
    for (const [file, items] of cats) {
        checkFileName(file);
        const out = [];
        for (const it of items) {
            const item = it.startsWith('<') ? it : tagItem(it);
            const name = itemTagName(item);
            if (!known.has(name)) fail(`category ${file}: ${it} is no known element`);
            out.push(item);
        }
        writeLines(`Dir/Html/${file}`, out);
    }
}

// ---------------------------------------------------------------------------------------
// attributes

const eventNames = new Set(htmlEventAttributes);
const eventSections = readSections('events.txt');
const eventList = (k) => {
    const l = (eventSections.get(k) || []).join(' ').split(/\s+/).filter(Boolean);
    for (const e of l) if (!eventNames.has(e)) fail(`events.txt: ${e} is no event handler attribute`);
    return sorted(l);
};
const windowEvents = eventList('vindue');
const formEvents = eventList('form');
const mediaEvents = eventList('media');
const globalEvents = sorted(htmlEventAttributes.filter((e) => !windowEvents.includes(e)));

// Corrections from kilder/attributter.txt.
const corrections = { drop: new Map(), keep: new Map(), add: new Map() };
for (const l of readSource('attributter.txt')) {
    const m = /^(drop|keep|add)\s+([\w-]+|\*):\s*(.*)$/.exec(l);
    if (!m) fail(`attributter.txt: cannot read "${l}"`);
    const map = corrections[m[1]];
    map.set(m[2], [...(map.get(m[2]) || []), ...m[3].split(/\s+/).filter(Boolean)]);
}

const globalAttributes = sorted([...htmlElementAttributes['*'], 'role', ...ariaAttributes, ...(corrections.add.get('*') || [])]);

function isDeprecated(element, attr) {
    const c = bcd.html.elements[element]?.[attr]?.__compat;
    return !!c && c.status.deprecated;
}

// The element's own attributes, without the global ones.
function ownAttributes(el) {
    let own;
    if (el === 'svg') {
        own = [...svgElementAttributes.svg, ...svgElementAttributes['*']];
    } else if (el === 'math') {
        const m = bcd.mathml.elements.math;
        own = [...Object.keys(m).filter((k) => k !== '__compat' && !m[k].__compat.status.deprecated),
            ...Object.keys(bcd.mathml.global_attributes)];
    } else {
        const keep = corrections.keep.get(el) || [];
        const drop = corrections.drop.get(el) || [];
        own = (htmlElementAttributes[el] || [])
            .filter((a) => keep.includes(a) || (!isDeprecated(el, a) && !drop.includes(a)));
    }
    own.push(...(corrections.add.get(el) || []));
    for (const a of corrections.keep.get(el) || []) {
        if (!(htmlElementAttributes[el] || []).includes(a)) fail(`attributter.txt: keep ${el}: ${a} is not in the package`);
    }
    if (el === 'body') own.push(...windowEvents);
    return sorted(own);
}

const elementAttributes = new Map(allElements.map((el) => [el, ownAttributes(el)]));

function attributeLists() {
    for (const el of [...corrections.drop.keys(), ...corrections.keep.keys(), ...[...corrections.add.keys()].filter((k) => k !== '*')]) {
        if (!known.has(el)) fail(`attributter.txt: ${el} is no known element`);
    }
    for (const [el, own] of elementAttributes) {
        checkFileName(el);
        writeLines(`Dir/Attributes/${el}.txt`, sorted([...own, ...globalAttributes, ...globalEvents]));
    }
    writeLines('Dir/Attributes/_globaleAttributter.txt', globalAttributes);
    writeLines('Dir/Attributes/_globaleEvents.txt', globalEvents);
    writeLines('Dir/Attributes/_formEvents.txt', formEvents);
    writeLines('Dir/Attributes/_mediaEvents.txt', mediaEvents);

    // Attributes written without a value: those the editor data marks as boolean, on
    // elements that still have them, plus the curated additions.
    const anywhere = new Set([...globalAttributes, ...[...elementAttributes.values()].flat()].map((a) => a.toLowerCase()));
    const bool = new Set();
    const consider = (a) => { if (a.valueSet === 'v' && anywhere.has(a.name)) bool.add(a.name); };
    for (const t of vscodeHtml.tags) if (known.has(t.name)) t.attributes.forEach(consider);
    vscodeHtml.globalAttributes.forEach(consider);
    for (const a of readSource('enkeltstaaende.txt').map((l) => l.trim())) {
        if (!anywhere.has(a)) fail(`enkeltstaaende.txt: ${a} is no attribute of any element`);
        bool.add(a);
    }
    writeLines('Dir/Attributes/_undtagelser.txt', sorted(bool));
}

// ---------------------------------------------------------------------------------------
// attribute values

function valueLists() {
    const sets = new Map(vscodeHtml.valueSets.map((s) => [s.name, s.values.map((v) => v.name)]));
    const files = new Map();   // file base name -> values

    // From the editor data: an attribute with one value set everywhere gets name.txt; one
    // whose set differs between elements gets name_element.txt for each.
    const uses = new Map();    // attribute -> Map(element or '*', set)
    const note = (el, a) => {
        if (!a.valueSet || a.valueSet === 'v') return;
        if (!uses.has(a.name)) uses.set(a.name, new Map());
        uses.get(a.name).set(el, a.valueSet);
    };
    for (const t of vscodeHtml.tags) {
        if (!known.has(t.name)) continue;
        for (const a of t.attributes) if (elementAttributes.get(t.name).includes(a.name)) note(t.name, a);
    }
    for (const a of vscodeHtml.globalAttributes) if (globalAttributes.includes(a.name)) note('*', a);
    for (const [attr, byEl] of uses) {
        const distinct = new Set(byEl.values());
        if (distinct.size === 1) {
            files.set(attr, sets.get([...distinct][0]));
        } else {
            for (const [el, set] of byEl) files.set(el === '*' ? attr : `${attr}_${el}`, sets.get(set));
        }
    }

    // Curated lists replace or add.
    for (const [name, lines] of readSections('vaerdier.txt')) {
        const out = [];
        for (const l of lines) {
            if (isHeading(l)) { out.push(l); continue; }
            for (const tok of l.split(/\s+/)) {
                if (tok.startsWith('@')) {
                    const s = sets.get(tok.slice(1));
                    if (!s) fail(`vaerdier.txt: no value set ${tok}`);
                    out.push(...s);
                } else if (tok.startsWith('-')) {
                    const i = out.indexOf(tok.slice(1));
                    if (i < 0) fail(`vaerdier.txt [${name}]: ${tok.slice(1)} is not in the list`);
                    out.splice(i, 1);
                } else {
                    out.push(tok);
                }
            }
        }
        files.set(name, out);
    }

    // The autofill field names are many: group them under headings.
    for (const [name, values] of files) {
        if (name.split('_')[0] === 'autocomplete' && values.length > 10) files.set(name, withHeadings(values, readSource('autocomplete.txt')));
        if (name === 'role') files.set(name, withHeadings(sorted(values), readSource('roller.txt')));
    }

    for (const [name, values] of files) {
        checkFileName(name);
        const [attr, el] = name.split('_');
        const okAttr = el ? elementAttributes.get(el)?.includes(attr) || globalAttributes.includes(attr)
            : globalAttributes.includes(attr) || [...elementAttributes.values()].some((l) => l.includes(attr));
        if (!okAttr) fail(`value list ${name}: ${attr} is no attribute${el ? ' of ' + el : ''}`);
        const seen = new Set();
        const out = values.filter((v) => (seen.has(v) ? false : seen.add(v)));
        writeLines(`Dir/Values/${name}.txt`, out);
    }
}

// Puts values under the headings of the given "HEADING: names" lines; a name ending in "*"
// is a prefix. Values no heading takes come first.
function withHeadings(values, headingLines) {
    const groups = headingLines.map((l) => {
        const [h, rest] = l.split(':');
        return { heading: h.trim(), names: rest.trim().split(/\s+/), items: [] };
    });
    const loose = [];
    for (const v of values) {
        const g = groups.find((gr) => gr.names.some((n) => (n.endsWith('*') ? v.startsWith(n.slice(0, -1)) : v === n)));
        (g ? g.items : loose).push(v);
    }
    const out = [...loose];
    for (const g of groups) if (g.items.length) out.push(g.heading, ...g.items);
    return out;
}

// ---------------------------------------------------------------------------------------
// between-tag lists

function betweenLists() {
    const cats = new Map();
    const models = new Map();
    for (const l of readSource('indholdsmodeller.txt')) {
        let m = /^@([\w-]+)\s*=\s*(.*)$/.exec(l);
        if (m) { cats.set(m[1], m[2].split(/\s+/)); continue; }
        m = /^([\w-]+):\s*(.*)$/.exec(l);
        if (!m) fail(`indholdsmodeller.txt: cannot read "${l}"`);
        if (models.has(m[1])) fail(`indholdsmodeller.txt: ${m[1]} twice`);
        models.set(m[1], m[2].split(/\s+/));
    }
    const expand = (tokens, depth = 0) => {
        if (depth > 10) fail('indholdsmodeller.txt: categories refer to each other in a circle');
        const set = new Set();
        for (const t of tokens) {
            const minus = t.startsWith('-');
            const name = minus ? t.slice(1) : t;
            let names;
            if (name.startsWith('@')) {
                if (!cats.has(name.slice(1))) fail(`indholdsmodeller.txt: no category ${name}`);
                names = expand(cats.get(name.slice(1)), depth + 1);
            } else {
                if (!known.has(name)) fail(`indholdsmodeller.txt: ${name} is no known element`);
                names = [name];
            }
            for (const n of names) (minus ? set.delete(n) : set.add(n));
        }
        return [...set];
    };
    for (const [el, tokens] of models) {
        if (!known.has(el) || voidSet.has(el)) fail(`indholdsmodeller.txt: ${el} is no element with content`);
        writeLines(`Dir/Betweentags/${el}.txt`, sorted(expand(tokens)).map(tagItem));
    }
}

// ---------------------------------------------------------------------------------------
// CSS

const GROUPS = ['Animation', 'Background and Border', 'Basic Box', 'Basic User Interface', 'Color',
    'Filter Effects', 'Flexible Box Layout', 'Font', 'Generated Content for Paged Media',
    'Image values and Replaced Content', 'Lists and Counters', 'Marquee', 'Masking',
    'Multi-column Layout', 'Paged Media', 'Speech', 'Table', 'Text', 'Text Decoration', 'Transform',
    'Transitions', 'Writing Modes'];

// Data types shown as a placeholder instead of being spelled out.
const PLACEHOLDERS = {
    'length': ['LENGTH'], 'percentage': ['PROCENT'], 'length-percentage': ['LENGTH', 'PROCENT'],
    'color': ['COLOR', 'currentcolor', 'transparent'], 'number': ['NUMBER'], 'integer': ['INTEGER'],
    'time': ['TIME'], 'angle': ['ANGLE'], 'url': ['URL'], 'string': ['STRING'], 'custom-ident': ['NAME'],
    'dashed-ident': ['NAME'], 'ident': ['NAME'], 'resolution': ['RESOLUTION'], 'flex': ['FLEX'],
    'ratio': ['RATIO'], 'frequency': ['FREQUENCY'], 'number-percentage': ['NUMBER', 'PROCENT'],
    'alpha-value': ['NUMBER', 'PROCENT'], 'angle-percentage': ['ANGLE', 'PROCENT'],
    'time-percentage': ['TIME', 'PROCENT'], 'family-name': ['STRING', 'NAME'], 'image': ['IMAGE', 'url()'],
    'easing-function': ['EASING'], 'counter-style-name': ['NAME'], 'keyframes-name': ['NAME'],
    'hex-color': ['COLOR'], 'named-color': ['COLOR'],
};
const CSS_WIDE = ['inherit', 'initial', 'revert', 'revert-layer', 'unset'];

function cssUsable(d) {
    return d.status === 'standard' || d.status === 'experimental';
}

// The keywords, functions and placeholders a value syntax allows, expanding named types.
function syntaxValues(syntax, out = new Set(), seen = new Set(), depth = 0) {
    if (depth > 8) return out;
    let i = 0;
    while (i < syntax.length) {
        const c = syntax[i];
        if (c === '<') {
            const end = syntax.indexOf('>', i);
            let name = syntax.slice(i + 1, end).trim().replace(/\s*\[.*\]$/, '');
            i = end + 1;
            if (name.endsWith('()')) { out.add(name); continue; }
            if (name.startsWith("'")) {
                const prop = name.replace(/'/g, '');
                if (!seen.has(prop) && mdnProperties[prop]) {
                    seen.add(prop);
                    syntaxValues(mdnProperties[prop].syntax, out, seen, depth + 1);
                }
                continue;
            }
            if (PLACEHOLDERS[name]) { PLACEHOLDERS[name].forEach((p) => out.add(p)); continue; }
            if (!seen.has(name) && mdnSyntaxes[name]) {
                seen.add(name);
                syntaxValues(mdnSyntaxes[name].syntax, out, seen, depth + 1);
            }
            continue;
        }
        const m = /^(-?[a-zA-Z][a-zA-Z0-9-]*)(\()?/.exec(syntax.slice(i));
        if (m) {
            i += m[0].length;
            if (m[2]) {
                out.add(m[1] + '()');
                let level = 1;       // the function's arguments are not values of their own
                while (i < syntax.length && level > 0) {
                    if (syntax[i] === '(') level++;
                    else if (syntax[i] === ')') level--;
                    i++;
                }
            } else {
                out.add(m[1]);
            }
            continue;
        }
        i++;
    }
    return out;
}

function cssLists() {
    const singles = new Map(), prefixes = [], modules = new Map();
    for (const l of readSource('css-grupper.txt')) {
        const m = /^(prefix\s+)?(.+?):\s*(.+)$/.exec(l);
        if (!m) fail(`css-grupper.txt: cannot read "${l}"`);
        const group = m[3].trim();
        if (group !== '-' && !GROUPS.includes(group)) fail(`css-grupper.txt: no group "${group}"`);
        if (m[1]) prefixes.push([m[2], group]);
        else if (!mdnProperties[m[2]] && !mdnAtRules[m[2]]) modules.set(m[2], group);
        else singles.set(m[2], group);
    }
    const moduleOrder = [...modules.keys()];
    const groupOf = (name, groups) => {
        if (singles.has(name)) return singles.get(name);
        const p = prefixes.find(([pre]) => name.startsWith(pre));
        if (p) return p[1];
        const mod = moduleOrder.find((mo) => groups.includes(mo));
        if (!mod) fail(`no group for ${name} (modules: ${groups.join(', ')})`);
        return modules.get(mod);
    };

    const byGroup = new Map(GROUPS.map((g) => [g, new Map()]));   // group -> property -> values
    const propGroup = new Map();

    for (const [name, d] of Object.entries(mdnProperties)) {
        if (!cssUsable(d) || name.startsWith('--')) continue;
        const g = groupOf(name, d.groups);
        if (g === '-') continue;
        propGroup.set(name, g);
    }
    const atValues = readSections('css-vaerdier.txt');
    for (const [name, d] of Object.entries(mdnAtRules)) {
        if (!cssUsable(d)) continue;
        const g = groupOf(name, d.groups);
        if (g === '-') continue;
        propGroup.set(name, g);
    }

    for (const [name, g] of propGroup) {
        let values;
        if (name.startsWith('@')) {
            const d = mdnAtRules[name];
            values = atValues.has(name) ? atValues.get(name).join(' ').split(/\s+/)
                : sorted(Object.keys(d.descriptors || {}));
        } else {
            const d = mdnProperties[name];
            // A shorthand refers to its parts in the same group: "a. part", "b. part" ...
            const refs = (Array.isArray(d.computed) ? d.computed : [])
                .filter((p) => p !== name && propGroup.get(p) === g);
            const letters = 'abcdefghijklmnopqrstuvwxyz';
            const refLines = refs.slice(0, letters.length).map((p, k) => `${letters[k]}. ${p}`);
            const vals = [...syntaxValues(d.syntax)];
            const placeholders = vals.filter((v) => /^[A-Z]/.test(v));
            const literal = sorted(vals.filter((v) => !/^[A-Z]/.test(v) && !CSS_WIDE.includes(v)));
            values = [...refLines, ...literal, ...[...new Set(placeholders)].sort(), ...CSS_WIDE];
        }
        byGroup.get(g).set(name, values);
    }
    for (const name of atValues.keys()) if (!propGroup.has(name)) fail(`css-vaerdier.txt: ${name} is in no group`);

    const index = [];
    for (const g of GROUPS) {
        const props = sorted(byGroup.get(g).keys());
        writeLines(`CSS/Properties/${g}.txt`, props);
        for (const p of props) {
            checkFileName(p);
            writeLines(`CSS/Values/${g}/${p}.txt`, byGroup.get(g).get(p));
            index.push([p, g]);
        }
    }
    // The property index pairs each property with its group. The word lookup takes the
    // first line equal to the word, and group names like "Color" or "Transform" are also
    // property names: the properties whose names equal a group name go first, so the
    // lookup always meets the property line before a group line of the same text.
    const groupNames = new Set(GROUPS.map((g) => g.toLowerCase()));
    index.sort((a, b) => (groupNames.has(b[0]) - groupNames.has(a[0])) || cmp(a[0], b[0]));
    writeLines('Dir/alleCssProp.txt', index.flat());
}

// ---------------------------------------------------------------------------------------
// special characters

const UNICODE_FILES = [
    ['blandet.txt', 'blandet.txt'],
    ['tal.txt', 'tal.txt'],
    ['bogstaver.txt', 'bogstaver.txt'],
    ['graesk.txt', 'det græske alfabet.txt'],
    ['romertal.txt', 'romertal.txt'],
    ['broeker.txt', 'brøker og script.txt'],
    ['matematik.txt', 'matematik.txt'],
    ['skak.txt', 'skak og kort.txt'],
];

function characterLists() {
    // Unicode name -> character, and character -> its named reference (the shortest
    // lower-case name when there are several).
    const byName = new Map();
    for (let cp = 0x20; cp < 0x30000; cp++) {
        if (cp >= 0xD800 && cp < 0xE000) continue;
        const ch = String.fromCodePoint(cp);
        const n = unicodeName(ch);
        if (n && !n.startsWith('<')) byName.set(n, ch);
    }
    const refOf = new Map();
    const better = (a, b) => {
        const la = a === a.toLowerCase(), lb = b === b.toLowerCase();
        if (la !== lb) return la;
        if (a.length !== b.length) return a.length < b.length;
        return a < b;
    };
    for (const name of Object.keys(characterEntities)) {
        const ch = characterEntities[name];
        if ([...ch].length !== 1) continue;
        if (!refOf.has(ch) || better(name, refOf.get(ch))) refOf.set(ch, name);
    }
    for (const [source, target] of UNICODE_FILES) {
        const lines = [];
        for (const l of readSource('tegn', source)) {
            const m = /^(.+?)\s*=\s*(.+)$/.exec(l);
            if (!m) fail(`tegn/${source}: cannot read "${l}"`);
            const ch = byName.get(m[2].trim());
            if (!ch) fail(`tegn/${source}: no character named ${m[2]}`);
            const named = refOf.get(ch);
            const cp = ch.codePointAt(0);
            lines.push(m[1], named ? `&${named};` : `&#x${cp.toString(16).toUpperCase()};`);
        }
        writeLines(`Dir/Unicode/${target}`, lines);
    }
}

// ---------------------------------------------------------------------------------------
// templates and the shared style sheet and script of the reference pages

function copyText(from, to) {
    const text = fs.readFileSync(src(from), 'utf8').replace(/\r\n/g, '\n');
    const lines = text.split('\n');
    if (lines[lines.length - 1] === '') lines.pop();
    writeLines(to, lines);
}

function staticFiles() {
    copyText('Klicheer/kliche.html', 'Klicheer/kliche.html');
    copyText('Klicheer/kliche.css', 'Klicheer/kliche.css');
    copyText('Klicheer/kliche.js', 'Klicheer/kliche.js');
    copyText('HTML/design.css', 'HTML/design.css');
    copyText('HTML/funktioner.js', 'HTML/funktioner.js');
}

// ---------------------------------------------------------------------------------------

const OWNED = ['Dir', 'CSS', 'Klicheer', 'HTML', ...BIBLIOTEK_MAPPER];
for (const owned of OWNED) {
    fs.rmSync(path.join(outRoot, owned), { recursive: true, force: true });
}
htmlLists();
attributeLists();
valueLists();
betweenLists();
cssLists();
characterLists();
staticFiles();
const library = skrivBibliotek({
    here, outRoot, fail, sorted, cmp, readSource, readSections, writeLines, writeLinesCp1252, writeUtf8,
    mdnProperties, mdnSyntaxes, mdnAtRules, require,
});

// When writing the committed tree, record the checksums of every input and output, so
// check.sh can tell without npm whether data/ still is what these sources give.
const defaultOut = path.resolve(here, '..', '..', 'data');
if (outRoot === defaultOut) {
    const repo = path.resolve(here, '..', '..');
    const files = [];
    const walk = (dir) => {
        if (!fs.existsSync(dir)) return;
        for (const e of fs.readdirSync(dir, { withFileTypes: true })) {
            const full = path.join(dir, e.name);
            if (e.isDirectory()) walk(full);
            else files.push(full);
        }
    };
    for (const owned of OWNED) walk(path.join(outRoot, owned));
    walk(path.join(here, 'kilder'));
    walk(path.join(here, 'bibliotek'));
    files.push(path.join(here, 'generate.mjs'), path.join(here, 'package.json'), path.join(here, 'package-lock.json'));
    const rel = files.map((f) => path.relative(repo, f).split(path.sep).join('/'))
        .sort((a, b) => Buffer.compare(Buffer.from(a), Buffer.from(b)));
    const sums = rel.map((r) => `${crypto.createHash('sha256').update(fs.readFileSync(path.join(repo, r))).digest('hex')}  ${r}\n`);
    fs.writeFileSync(path.join(here, 'checksums.sha256'), sums.join(''));
}
console.log(`generate: ${written.size} files written to ${outRoot}`);
console.log(`generate: library pages ${Object.entries(library).map(([k, v]) => `${k} ${v}`).join(', ')}`);
