// The working components of "Eksempler": HTML, CSS and JavaScript of our own.

export const eksempler = [
    {
        titel: 'Dato komponenter', fil: 'dato-komponenter',
        tekst: 'Dagens dato og et ur, der går, skrevet på dansk med JavaScript.',
        html: '<p class="dato">I dag er det <span id="dato"></span>.</p>\n<p class="ur">Klokken er <span id="ur"></span>.</p>',
        css: '.dato, .ur {\n  font-size: 18px;\n}\n\n#ur {\n  font-family: Consolas, "DejaVu Sans Mono", monospace;\n  font-weight: bold;\n}',
        js: 'function visDato() {\n  var nu = new Date();\n  document.getElementById("dato").textContent = nu.toLocaleDateString("da-DK", { weekday: "long", day: "numeric", month: "long", year: "numeric" });\n  document.getElementById("ur").textContent = nu.toLocaleTimeString("da-DK");\n}\nvisDato();\nsetInterval(visDato, 1000);',
    },
    {
        titel: 'Knapper', fil: 'knapper',
        tekst: 'Knapper formgivet med CSS, med farveskift, når musen står over dem, og en tydelig markering ved fokus.',
        html: '<button type="button" class="knap">Gem</button>\n<button type="button" class="knap knap-lys">Annuller</button>\n<a href="#" class="knap">Et link som knap</a>',
        css: '.knap {\n  display: inline-block;\n  padding: 6px 16px;\n  font: inherit;\n  color: #ffffff;\n  background-color: #1d4f91;\n  border: 1px solid #1d4f91;\n  border-radius: 4px;\n  text-decoration: none;\n  cursor: pointer;\n  transition: background-color 0.2s;\n}\n\n.knap:hover {\n  background-color: #163d70;\n}\n\n.knap:focus-visible {\n  outline: 3px solid #e0a800;\n  outline-offset: 2px;\n}\n\n.knap-lys {\n  color: #1d4f91;\n  background-color: #ffffff;\n}\n\n.knap-lys:hover {\n  background-color: #eef2f7;\n}',
        js: '',
    },
    {
        titel: 'Menulinier', fil: 'menulinier',
        tekst: 'En vandret menulinje af links med flexbox; punktet for den aktuelle side er markeret.',
        html: '<nav class="menulinie">\n<a href="#" class="aktiv">Forside</a>\n<a href="#">Nyheder</a>\n<a href="#">Om os</a>\n<a href="#">Kontakt</a>\n</nav>',
        css: '.menulinie {\n  display: flex;\n  gap: 2px;\n  background-color: #1d4f91;\n  border-radius: 4px;\n}\n\n.menulinie a {\n  padding: 8px 16px;\n  color: #ffffff;\n  text-decoration: none;\n}\n\n.menulinie a:hover,\n.menulinie a.aktiv {\n  background-color: #163d70;\n}',
        js: '',
    },
    {
        titel: 'Menuspalter', fil: 'menuspalter',
        tekst: 'En lodret menuspalte med et underpunkt, der foldes ud og sammen med et klik.',
        html: '<nav class="menuspalte">\n<a href="#">Forside</a>\n<button type="button" class="undermenu-knap" aria-expanded="false">Emner</button>\n<div class="undermenu" hidden>\n<a href="#">HTML</a>\n<a href="#">CSS</a>\n<a href="#">JavaScript</a>\n</div>\n<a href="#">Kontakt</a>\n</nav>',
        css: '.menuspalte {\n  display: flex;\n  flex-direction: column;\n  width: 200px;\n  border: 1px solid #d8dee4;\n}\n\n.menuspalte a,\n.menuspalte button {\n  padding: 8px 12px;\n  font: inherit;\n  text-align: left;\n  color: #1d4f91;\n  background: none;\n  border: 0;\n  border-bottom: 1px solid #d8dee4;\n  text-decoration: none;\n  cursor: pointer;\n}\n\n.menuspalte a:hover,\n.menuspalte button:hover {\n  background-color: #eef2f7;\n}\n\n.undermenu a {\n  padding-left: 28px;\n}',
        js: 'document.querySelectorAll(".undermenu-knap").forEach(function (knap) {\n  knap.addEventListener("click", function () {\n    var under = knap.nextElementSibling;\n    under.hidden = !under.hidden;\n    knap.setAttribute("aria-expanded", String(!under.hidden));\n  });\n});',
    },
];
