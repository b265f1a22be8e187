// Shared script of the information pages.
//  - An element with class "fold" opens and closes the element after it (class "skjult").
//  - Every pre or .kode block gets a "Kopier" button that copies its text.
"use strict";

function visSkjul(knap) {
  var indhold = knap.nextElementSibling;
  if (!indhold) {
    return;
  }
  var skjult = indhold.classList.toggle("skjult");
  knap.classList.toggle("aaben", !skjult);
}

function kopierTekst(tekst, knap) {
  var faerdig = function () {
    var gammel = knap.textContent;
    knap.textContent = "Kopieret";
    window.setTimeout(function () { knap.textContent = gammel; }, 1200);
  };
  if (navigator.clipboard && window.isSecureContext) {
    navigator.clipboard.writeText(tekst).then(faerdig, function () {});
    return;
  }
  var felt = document.createElement("textarea");
  felt.value = tekst;
  felt.setAttribute("readonly", "");
  felt.style.position = "absolute";
  felt.style.left = "-9999px";
  document.body.appendChild(felt);
  felt.select();
  try {
    if (document.execCommand("copy")) {
      faerdig();
    }
  } catch (e) {
    // Copying is a convenience; the text can still be selected by hand.
  }
  document.body.removeChild(felt);
}

document.addEventListener("DOMContentLoaded", function () {
  var folds = document.querySelectorAll(".fold");
  for (var i = 0; i < folds.length; i++) {
    folds[i].addEventListener("click", function () { visSkjul(this); });
  }

  var blokke = document.querySelectorAll("pre, .kode");
  for (var j = 0; j < blokke.length; j++) {
    (function (blok) {
      var tekst = blok.innerText;
      var knap = document.createElement("button");
      knap.type = "button";
      knap.className = "kopier";
      knap.textContent = "Kopier";
      knap.addEventListener("click", function () { kopierTekst(tekst, knap); });
      blok.insertBefore(knap, blok.firstChild);
    })(blokke[j]);
  }
});
