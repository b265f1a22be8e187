// The CSS reference's overview pages, asked for by title from the CSS box and the layout
// generators: selectors, units, colours, multi-column and flex properties.

import { esc, kode, link, tabel } from './side.mjs';

const c = (s) => `<code>${esc(s)}</code>`;

export function cssTemaSider(ctx, findes) {
    const p = (navn) => {
        if (!findes(navn)) ctx.fail(`css overview: ${navn} is not in the CSS box`);
        return link(navn, navn);
    };
    const sider = new Map();

    sider.set('css-selectors', { titel: 'CSS Selectors', krop: [
        '<p>Selektoren er den del af en CSS-regel, der står før klammen. Den vælger de elementer, reglen gælder for. Flere selektorer adskilt af komma deler samme regel.</p>',
        ...kode('h1, h2 {\n  color: #1d4f91;\n}'),
        '<h2>Enkle selektorer</h2>',
        ...tabel(['Selektor', 'Vælger', 'Eksempel'], [
            [c('*'), 'alle elementer', c('* { box-sizing: border-box; }')],
            [c('element'), 'alle elementer med det navn', c('p { margin: 0; }')],
            [c('.klasse'), 'elementer med class="klasse"', c('.advarsel { color: red; }')],
            [c('#id'), 'det ene element med id="id"', c('#menu { width: 200px; }')],
            [c('[attribut]'), 'elementer, der har attributten', c('[disabled] { opacity: 0.5; }')],
            [c('[attribut="værdi"]'), 'elementer, hvor attributten har netop den værdi', c('input[type="text"] { width: 20em; }')],
            [c('[attribut^="v"]'), 'værdien begynder med v', c('a[href^="https"] { color: green; }')],
            [c('[attribut$="v"]'), 'værdien slutter med v', c('a[href$=".pdf"] { font-weight: bold; }')],
            [c('[attribut*="v"]'), 'værdien indeholder v', c('a[href*="skole"] { color: navy; }')],
        ]),
        '<h2>Kombinationer</h2>',
        ...tabel(['Selektor', 'Vælger'], [
            [c('A B'), 'B, der står et sted inde i A (efterkommer)'],
            [c('A > B'), 'B, der er et direkte barn af A'],
            [c('A + B'), 'B, der følger lige efter A med samme forælder'],
            [c('A ~ B'), 'alle B, der følger efter A med samme forælder'],
            [c('A.klasse'), 'A, der også har klassen (uden mellemrum)'],
        ]),
        '<h2>Pseudoklasser</h2>',
        '<p>En pseudoklasse vælger elementer efter deres tilstand eller plads og skrives med ét kolon.</p>',
        ...tabel(['Pseudoklasse', 'Vælger'], [
            [c(':hover'), 'elementet, musen står over'],
            [c(':focus'), 'elementet, der har fokus'],
            [c(':focus-visible'), 'elementet med fokus, når fokus skal vises (fx ved tastatur)'],
            [c(':active'), 'elementet, mens det klikkes'],
            [c(':link'), 'links, der ikke er besøgt'],
            [c(':visited'), 'besøgte links'],
            [c(':checked'), 'markerede afkrydsningsfelter og radioknapper'],
            [c(':disabled'), 'felter, der er slået fra'],
            [c(':required'), 'felter, der skal udfyldes'],
            [c(':invalid'), 'felter med en ugyldig værdi'],
            [c(':first-child'), 'elementet, der er forælderens første barn'],
            [c(':last-child'), 'elementet, der er forælderens sidste barn'],
            [c(':nth-child(2n)'), 'hvert andet barn; 2n+1 er de ulige, 3 det tredje'],
            [c(':not(.klasse)'), 'elementer, der ikke passer til selektoren i parentesen'],
            [c(':is(h1, h2)'), 'elementer, der passer til en af selektorerne i parentesen'],
            [c(':has(img)'), 'elementer, der indeholder noget, der passer til parentesen'],
        ]),
        '<h2>Pseudoelementer</h2>',
        '<p>Et pseudoelement vælger en del af et element og skrives med to koloner.</p>',
        ...tabel(['Pseudoelement', 'Vælger'], [
            [c('::before'), 'indhold, der indsættes først i elementet med content'],
            [c('::after'), 'indhold, der indsættes sidst i elementet med content'],
            [c('::first-line'), 'blokkens første linje'],
            [c('::first-letter'), 'blokkens første bogstav'],
            [c('::placeholder'), 'hjælpeteksten i et tomt felt'],
            [c('::selection'), 'den tekst, brugeren har markeret'],
            [c('::marker'), 'listepunktets tegn eller nummer'],
        ]),
        '<h2>Vægt</h2>',
        '<p>Gælder flere regler samme egenskab, vinder den selektor, der vejer mest: et id vejer mere end klasser, attributter og pseudoklasser, som vejer mere end elementnavne. Ved lige vægt vinder den regel, der står sidst. En style-attribut vinder over stylesheetet.</p>',
        ...kode('nav a:hover {\n  text-decoration: underline;\n}\n\nul.menu > li:first-child {\n  font-weight: bold;\n}'),
    ] });

    sider.set('css-units', { titel: 'CSS Units', krop: [
        '<p>En længde i CSS er et tal med en enhed, fx 12px eller 1.5em. Kun værdien 0 må skrives uden enhed. I CSS-boksen står pladsholderen LENGTH for en længde og PROCENT for en procentværdi.</p>',
        '<h2>Absolutte længder</h2>',
        ...tabel(['Enhed', 'Betydning'], [
            [c('px'), 'CSS-pixel; 96 px svarer til en tomme. Den almindeligste enhed på skærmen.'],
            [c('cm'), 'centimeter'],
            [c('mm'), 'millimeter'],
            [c('in'), 'tomme (2,54 cm)'],
            [c('pt'), 'punkt, 1/72 tomme; bruges til skriftstørrelser ved udskrift'],
            [c('pc'), 'pica, 12 punkter'],
        ]),
        '<h2>Relative længder</h2>',
        ...tabel(['Enhed', 'Regnes i forhold til'], [
            [c('em'), 'elementets skriftstørrelse (i font-size: forælderens)'],
            [c('rem'), 'rodelementets (html) skriftstørrelse; giver ens mål på hele siden'],
            [c('ex'), 'skriftens x-højde'],
            [c('ch'), 'bredden af tegnet 0 i skriften; godt til feltbredder'],
            [c('lh'), 'elementets linjehøjde'],
            [c('vw'), '1 % af vinduets bredde'],
            [c('vh'), '1 % af vinduets højde'],
            [c('vmin'), '1 % af vinduets mindste mål'],
            [c('vmax'), '1 % af vinduets største mål'],
            [c('dvh'), '1 % af vinduets højde, som den er lige nu på mobiler, hvor adresselinjen kommer og går'],
            [c('cqi'), '1 % af den omgivende containers bredde (med container-type)'],
        ]),
        '<h2>Procent og andre typer</h2>',
        '<p>En procentværdi regnes som regel i forhold til containerens tilsvarende mål: width: 50% er halvdelen af containerens bredde. Ved font-size er det forælderens skriftstørrelse.</p>',
        ...tabel(['Type', 'Enheder'], [
            ['Vinkel (ANGLE)', `${c('deg')} grader, ${c('turn')} omgange, ${c('rad')} radianer`],
            ['Tid (TIME)', `${c('s')} sekunder, ${c('ms')} millisekunder`],
            ['Opløsning (RESOLUTION)', `${c('dppx')}, ${c('dpi')}, ${c('dpcm')}`],
            ['Andel i gitter (FLEX)', `${c('fr')}: en andel af den ledige plads i et gitter`],
        ]),
        '<h2>Beregning</h2>',
        '<p>Funktionen calc() regner med blandede enheder, og min(), max() og clamp() vælger mellem værdier.</p>',
        ...kode('.boks {\n  width: calc(100% - 2rem);\n  font-size: clamp(1rem, 2.5vw, 1.5rem);\n}'),
    ] });

    sider.set('css-colors', { titel: 'CSS Colors', krop: [
        '<p>En farve kan skrives på flere måder. I CSS-boksen står pladsholderen COLOR for en farve.</p>',
        ...tabel(['Skrivemåde', 'Eksempel', 'Forklaring'], [
            ['Navn', c('navy'), 'En af de 148 navngivne farver, fx red, white, gray, teal, orange.'],
            ['Hexadecimal', c('#1d4f91'), 'Rød, grøn og blå med to hexadecimale cifre hver (00 til ff). #abc er kort for #aabbcc.'],
            ['Hexadecimal med alfa', c('#1d4f9180'), 'To cifre mere giver gennemsigtighed; 80 er cirka halvt gennemsigtig.'],
            ['rgb()', c('rgb(29 79 145)'), 'Rød, grøn og blå fra 0 til 255.'],
            ['rgb() med alfa', c('rgb(29 79 145 / 50%)'), 'Efter skråstregen står gennemsigtigheden.'],
            ['hsl()', c('hsl(214 67% 34%)'), 'Farvetone i grader på farvehjulet, mætning og lyshed; let at lave lysere og mørkere udgaver af.'],
            ['oklch()', c('oklch(45% 0.12 255)'), 'Lyshed, kroma og tone i et farverum, hvor lige store tal ser lige lyse ud.'],
            ['transparent', c('transparent'), 'Helt gennemsigtig.'],
            ['currentcolor', c('currentcolor'), 'Elementets tekstfarve (color).'],
        ]),
        '<h2>Eksempel</h2>',
        ...kode('.advarsel {\n  color: #7a4f00;\n  background-color: hsl(45 100% 90%);\n  border: 1px solid rgb(224 168 0 / 60%);\n}'),
        `<p>Farver bruges af bl.a. ${p('color')}, ${p('background-color')}, ${p('border-color')}, ${p('outline-color')} og ${p('text-decoration-color')}.</p>`,
        '<p>Sørg for god kontrast mellem tekst og baggrund, så teksten kan læses af alle.</p>',
    ] });

    sider.set('column-egenskaber', { titel: 'Column egenskaber', krop: [
        '<p>Med spalter (multi-column) fordeles et elements indhold i flere kolonner ved siden af hinanden, som i en avis. Teksten løber fra bunden af én kolonne videre til toppen af den næste.</p>',
        ...tabel(['Egenskab', 'Bruges til'], [
            [p('column-count'), 'antallet af spalter'],
            [p('column-width'), 'den ønskede bredde; browseren laver så mange spalter, der er plads til'],
            [p('columns'), 'kortform for bredde og antal'],
            [p('column-gap'), 'afstanden mellem spalterne'],
            [p('column-rule'), 'en streg mellem spalterne (bredde, stil, farve)'],
            [p('column-span'), 'lader fx en overskrift gå hen over alle spalter'],
            [p('column-fill'), 'om spalterne fyldes lige meget eller én ad gangen'],
            [p('break-inside'), 'undgår at et element deles mellem to spalter'],
        ]),
        '<h2>Eksempel</h2>',
        ...kode('.artikel {\n  column-count: 3;\n  column-gap: 2em;\n  column-rule: 1px solid #d8dee4;\n}\n\n.artikel h2 {\n  column-span: all;\n}\n\n.artikel figure {\n  break-inside: avoid;\n}'),
        '<p>Sæt hellere column-width end column-count, når siden skal virke på små skærme: så falder antallet af spalter af sig selv, når der ikke er plads.</p>',
    ] });

    sider.set('flex-egenskaber', { titel: 'Flex egenskaber', krop: [
        '<p>Flexbox lægger elementer på en række eller i en kolonne og fordeler pladsen mellem dem. Containeren får display: flex; dens direkte børn bliver flex-elementer.</p>',
        '<h2>Containerens egenskaber</h2>',
        ...tabel(['Egenskab', 'Bruges til'], [
            [p('display'), 'flex eller inline-flex gør elementet til en flex-container'],
            [p('flex-direction'), 'hovedretningen: row (vandret) eller column (lodret)'],
            [p('flex-wrap'), 'om elementerne ombrydes til flere linjer'],
            [p('flex-flow'), 'kortform for retning og ombrydning'],
            [p('justify-content'), 'fordeling langs hovedretningen'],
            [p('align-items'), 'placering på tværs af hovedretningen'],
            [p('align-content'), 'fordeling af flere linjer på tværs'],
            [p('gap'), 'afstanden mellem elementerne'],
        ]),
        '<h2>Elementernes egenskaber</h2>',
        ...tabel(['Egenskab', 'Bruges til'], [
            [p('flex-grow'), 'andelen af den ledige plads, elementet får'],
            [p('flex-shrink'), 'hvor meget elementet krymper, når pladsen mangler'],
            [p('flex-basis'), 'elementets grundstørrelse'],
            [p('flex'), 'kortform for vækst, krympning og grundstørrelse'],
            [p('align-self'), 'elementets egen placering på tværs'],
            [p('order'), 'elementets plads i rækkefølgen'],
        ]),
        '<h2>Eksempel</h2>',
        ...kode('.menu {\n  display: flex;\n  justify-content: space-between;\n  align-items: center;\n  gap: 1rem;\n}\n\n.menu .soeg {\n  flex: 1;\n}'),
        '<p>Brug flexbox til rækker eller kolonner af elementer; til layouts i både rækker og kolonner på én gang er grid ofte lettere.</p>',
    ] });
    return sider;
}
