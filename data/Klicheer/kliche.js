"use strict";

document.addEventListener("DOMContentLoaded", () => {

});
