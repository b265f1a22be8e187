// Reading the curated prose tables of kilder/bibliotek/: "name | text | more ..." lines.

// Map name -> fields after the name. The last field takes the rest of the line, so an example
// may itself hold " | ". "\n" in a field is a line break.
export function tabelKilde(ctx, fil, antalFelter = 2) {
    const m = new Map();
    for (const l of ctx.readSource('bibliotek', fil)) {
        const dele = l.split(' | ');
        const navn = dele[0].trim();
        const felter = dele.slice(1, antalFelter);
        if (dele.length > antalFelter) felter.push(dele.slice(antalFelter).join(' | '));
        if (!navn || felter.length === 0 || !felter[0].trim()) ctx.fail(`${fil}: cannot read "${l}"`);
        if (m.has(navn)) ctx.fail(`${fil}: ${navn} twice`);
        m.set(navn, felter.map((f) => f.trim().replace(/\\n/g, '\n')));
    }
    return m;
}

// The first sentence of a description, for overview lists.
export function foersteSaetning(t) {
    const m = /^(.*?[.!?])(\s|$)/.exec(t);
    return m ? m[1] : t;
}
