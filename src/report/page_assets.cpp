#include "report/page_assets.h"

namespace meshmill {

const char* const report_style = R"css(
:root{--ink:#1d2330;--muted:#5b6473;--line:#e3e6ea;--bad:#d62728;--off:#b9bec6;--head:#1f2a3c}
*{box-sizing:border-box}
body{margin:0;font:14px/1.45 system-ui,-apple-system,"Segoe UI",Roboto,sans-serif;color:var(--ink);background:#f3f4f7}
header{background:var(--head);color:#fff;padding:18px 28px 16px}
header h1{margin:0 0 4px;font-size:22px;font-weight:600}
header .meta{color:#c9d2e0;font-size:13px;word-break:break-all}
header .meta span+span::before{content:" \00b7  "}
main{padding:4px 28px 28px;max-width:1400px}
section{background:#fff;border-radius:8px;box-shadow:0 1px 3px rgba(20,30,50,.12);padding:14px 18px;margin:16px 0}
h2{font-size:16px;margin:0 0 10px}
h2 small,h3 small{color:var(--muted);font-weight:400}
h3{font-size:13px;margin:12px 0 6px;color:var(--muted);text-transform:uppercase;letter-spacing:.04em}
.stats{display:flex;flex-wrap:wrap;gap:10px}
.stat{border:1px solid var(--line);border-radius:6px;padding:8px 14px;min-width:150px}
.stat b{display:block;font-size:22px;font-weight:600}
.stat span{color:var(--muted);font-size:12px}
.settings{list-style:none;padding:0;margin:0;columns:2 360px;font-size:13px}
.settings li{margin:1px 0}
.files{margin:0;padding-left:20px;font-size:13px;word-break:break-all;columns:3 320px}
summary{cursor:pointer}summary h3{display:inline-block}
input[name=view]{position:absolute;opacity:0}
input[name=view]+label{display:inline-block;padding:4px 16px;margin:0 4px 10px 0;border:1px solid #c5ccd6;border-radius:4px;background:#fff;cursor:pointer}
input[name=view]:checked+label{background:var(--head);border-color:var(--head);color:#fff}
input[name=view]:focus-visible+label{outline:2px solid #4c8bf5}
.hint{color:var(--muted);font-size:12px;margin-left:8px}
.views svg{display:none;width:100%;height:auto;max-height:76vh;background:#fbfcfd;border:1px solid #d5dae1;border-radius:4px;cursor:grab}
#view-top:checked~.views #map-top,#view-front:checked~.views #map-front,#view-side:checked~.views #map-side{display:block}
.objects path{stroke:#1d2330;stroke-opacity:.5;stroke-width:1;vector-effect:non-scaling-stroke;stroke-linejoin:round;stroke-linecap:round;fill-opacity:.72}
.objects path.bad{stroke:#8c0f10;stroke-opacity:.9;stroke-width:1.5}
.objects path.off{fill-opacity:.45}
.objects path:hover,.objects path.hl{stroke:#000;stroke-opacity:1;stroke-width:3;fill-opacity:1}
.marks circle{fill:none;stroke:var(--bad);stroke-width:2;stroke-dasharray:5 3;vector-effect:non-scaling-stroke;pointer-events:none}
.bar path{stroke:#333;stroke-width:2;fill:none;vector-effect:non-scaling-stroke}
.bar text,.axes{font-size:13px;fill:#555}
.legend{list-style:none;display:flex;flex-wrap:wrap;gap:4px 18px;padding:0;margin:10px 0 0;font-size:13px}
.chip{display:inline-block;width:12px;height:12px;border-radius:3px;margin-right:6px;vertical-align:-1px}
.c0{fill:#1f77b4;background:#1f77b4}.c1{fill:#2ca02c;background:#2ca02c}.c2{fill:#ff7f0e;background:#ff7f0e}
.c3{fill:#9467bd;background:#9467bd}.c4{fill:#17becf;background:#17becf}.c5{fill:#8c564b;background:#8c564b}
.c6{fill:#e377c2;background:#e377c2}.c7{fill:#bcbd22;background:#bcbd22}.c8{fill:#3b5b92;background:#3b5b92}
.c9{fill:#6fbf73;background:#6fbf73}.c10{fill:#c49c94;background:#c49c94}.c11{fill:#7f7f7f;background:#7f7f7f}
.bad{fill:var(--bad);background:var(--bad)}.off{fill:var(--off);background:var(--off)}
.scroll{max-height:72vh;overflow:auto;border:1px solid var(--line);border-radius:4px}
table{border-collapse:collapse;width:100%;font-size:13px}
th,td{padding:4px 9px;border-bottom:1px solid var(--line);text-align:left;vertical-align:top}
th{background:#eef1f5;position:sticky;top:0;z-index:1;white-space:nowrap}
#objects th{cursor:pointer}
#objects table,#objects thead,#objects tbody{display:block}
#objects tr{display:grid;grid-template-columns:52px minmax(110px,1.3fr) 60px 60px 70px 70px minmax(130px,1fr) 76px minmax(200px,3fr)}
#objects thead tr{position:sticky;top:0;z-index:1}
#objects tbody tr{content-visibility:auto;contain-intrinsic-size:auto 27px}
#objects td,#objects th{overflow-wrap:anywhere}
#objects td:nth-child(7){white-space:nowrap}
.n{text-align:right;font-variant-numeric:tabular-nums}
tr.s-skipped td,tr.s-left-out td{background:#fdeeee}
tr.s-skipped td:nth-child(8),tr.s-left-out td:nth-child(8){color:var(--bad);font-weight:600}
tr.s-filtered td{color:#8a919c}
tr.hl td{background:#fff2b8}
.swatch{display:inline-block;width:30px;height:14px;border:1px solid #8a919c;border-radius:2px;margin-right:8px;vertical-align:-2px}
.missing{color:var(--bad);font-weight:600}
.texture{display:flex;gap:8px;align-items:flex-start}
.thumb{width:48px;height:48px;object-fit:contain;border:1px solid #8a919c;background:repeating-conic-gradient(#ccc 0 25%,#fff 0 50%) 0 0/12px 12px;flex:none}
.scaled{color:#a15c00}
small{color:var(--muted)}
.messages{margin:0;padding-left:22px}
.messages li{margin:4px 0;white-space:pre-line}
.messages b{margin-right:6px}
.messages .error b{color:var(--bad)}.messages .warning b{color:#b35c00}.messages .information b{color:#2a62b8}
)css";

const char* const report_script = R"js(
(function () {
  "use strict";
  var lit = [];
  function light(i) {
    lit.forEach(function (e) { e.classList.remove("hl"); });
    lit = [];
    if (i === null) return;
    document.querySelectorAll('[data-i="' + i + '"]').forEach(function (e) {
      e.classList.add("hl");
      lit.push(e);
    });
  }
  var current = null;
  document.addEventListener("mouseover", function (e) {
    var t = e.target.closest("[data-i]");
    var i = t ? t.getAttribute("data-i") : null;
    if (i !== current) { current = i; light(i); }
  });
  document.addEventListener("click", function (e) {
    var t = e.target.closest("svg [data-i]");
    if (!t || moved) return;
    var row = document.getElementById("r" + t.getAttribute("data-i"));
    if (row) row.scrollIntoView({ block: "center", behavior: "smooth" });
  });

  // Zoom with the wheel, move by dragging, a double click resets.
  function box(svg) { return svg.viewBox.baseVal; }
  function at(svg, e) {
    var r = svg.getBoundingClientRect(), b = box(svg);
    return { x: b.x + (e.clientX - r.left) / r.width * b.width,
             y: b.y + (e.clientY - r.top) / r.height * b.height };
  }
  function remember(svg) {
    if (!svg.dataset.home) svg.dataset.home = svg.getAttribute("viewBox");
  }
  document.addEventListener("wheel", function (e) {
    var svg = e.target.closest("svg.view");
    if (!svg) return;
    e.preventDefault();
    remember(svg);
    var b = box(svg), p = at(svg, e), f = e.deltaY > 0 ? 1.25 : 0.8;
    b.x = p.x - (p.x - b.x) * f; b.y = p.y - (p.y - b.y) * f;
    b.width *= f; b.height *= f;
  }, { passive: false });
  var drag = null, moved = false;
  document.addEventListener("mousedown", function (e) {
    var svg = e.target.closest("svg.view");
    moved = false;
    if (!svg || e.button !== 0) return;
    remember(svg);
    drag = { svg: svg, x: e.clientX, y: e.clientY };
    e.preventDefault();
  });
  document.addEventListener("mousemove", function (e) {
    if (!drag) return;
    var r = drag.svg.getBoundingClientRect(), b = box(drag.svg);
    var dx = e.clientX - drag.x, dy = e.clientY - drag.y;
    if (Math.abs(dx) + Math.abs(dy) > 2) moved = true;
    b.x -= dx * b.width / r.width; b.y -= dy * b.height / r.height;
    drag.x = e.clientX; drag.y = e.clientY;
  });
  document.addEventListener("mouseup", function () { drag = null; });
  document.addEventListener("dblclick", function (e) {
    var svg = e.target.closest("svg.view");
    if (svg && svg.dataset.home) svg.setAttribute("viewBox", svg.dataset.home);
  });

  // Sorting the objects table by a click on a column's head.
  var table = document.getElementById("objects-table");
  if (table) table.tHead.addEventListener("click", function (e) {
    var th = e.target.closest("th");
    if (!th) return;
    var k = th.cellIndex, numeric = th.classList.contains("n");
    var down = th.dataset.dir === "up";
    th.dataset.dir = down ? "down" : "up";
    var body = table.tBodies[0], rows = Array.prototype.slice.call(body.rows);
    var keys = new Map(rows.map(function (r) {
      var t = r.cells[k].textContent;
      return [r, numeric ? Number(t) : t.toLowerCase()];
    }));
    rows.sort(function (a, b) {
      var x = keys.get(a), y = keys.get(b);
      var order = x === y ? 0 : (x > y ? 1 : -1);
      return down ? -order : order;
    });
    var sorted = document.createDocumentFragment();
    rows.forEach(function (r) { sorted.appendChild(r); });
    body.appendChild(sorted);
  });
})();
)js";

}  // namespace meshmill
