// The page's side of WebCanvas (web_canvas.cpp): drawing on Module.marevoCanvas, a 2D canvas,
// in logical units scaled to device pixels. Colours arrive as 0x00BBGGRR.
mergeInto(LibraryManager.library, {
  $marevoDraw: {
    ctx: null,
    css: function (colour) {
      return 'rgb(' + (colour & 255) + ',' + ((colour >> 8) & 255) + ',' + ((colour >> 16) & 255) + ')';
    },
    // The page's Japanese faces, fixed-width first: the panels align their columns by
    // half-width characters of 6 units.
    face: '"MS Gothic", "ＭＳ ゴシック", "IPAGothic", "IPAゴシック", "Osaka-Mono", ' +
          '"Noto Sans Mono CJK JP", "Noto Sans CJK JP", "Hiragino Sans", monospace',
  },
  js_canvas_begin__deps: ['$marevoDraw'],
  js_canvas_begin: function (width, height, scale, background) {
    var canvas = Module['marevoCanvas'];
    var w = Math.round(width * scale), h = Math.round(height * scale);
    if (canvas.width !== w) canvas.width = w;
    if (canvas.height !== h) canvas.height = h;
    var ctx = canvas.getContext('2d');
    ctx.setTransform(w / width, 0, 0, h / height, 0, 0);
    ctx.globalCompositeOperation = 'source-over';
    ctx.fillStyle = marevoDraw.css(background);
    ctx.fillRect(0, 0, width, height);
    marevoDraw.ctx = ctx;
  },
  js_canvas_end__deps: ['$marevoDraw'],
  js_canvas_end: function () {
    marevoDraw.ctx = null;
  },
  js_canvas_fill_rect__deps: ['$marevoDraw'],
  js_canvas_fill_rect: function (x, y, w, h, colour, xorMix) {
    var ctx = marevoDraw.ctx;
    ctx.globalCompositeOperation = xorMix ? 'difference' : 'source-over';
    ctx.fillStyle = marevoDraw.css(colour);
    ctx.fillRect(x, y, w, h);
    ctx.globalCompositeOperation = 'source-over';
  },
  js_canvas_line__deps: ['$marevoDraw'],
  js_canvas_line: function (x1, y1, x2, y2, colour, dotted) {
    var ctx = marevoDraw.ctx;
    ctx.strokeStyle = marevoDraw.css(colour);
    ctx.lineWidth = 1;
    ctx.lineCap = 'butt';
    ctx.setLineDash(dotted ? [3, 3] : []);
    ctx.beginPath();
    ctx.moveTo(x1 + 0.5, y1 + 0.5);
    ctx.lineTo(x2 + 0.5, y2 + 0.5);
    ctx.stroke();
    ctx.setLineDash([]);
  },
  js_canvas_ellipse__deps: ['$marevoDraw'],
  js_canvas_ellipse: function (cx, cy, rx, ry, outline, fill) {
    var ctx = marevoDraw.ctx;
    if ((fill >>> 0) !== 0xFFFFFFFF) { // NoFill arrives as a signed -1
      ctx.fillStyle = marevoDraw.css(fill);
      ctx.beginPath();
      ctx.ellipse(cx, cy, rx, ry, 0, 0, 2 * Math.PI);
      ctx.fill();
    }
    ctx.strokeStyle = marevoDraw.css(outline);
    ctx.lineWidth = 1;
    ctx.beginPath();
    ctx.ellipse(cx, cy, rx - 0.5, ry - 0.5, 0, 0, 2 * Math.PI);
    ctx.stroke();
  },
  js_canvas_text__deps: ['$marevoDraw'],
  js_canvas_text: function (x, y, text, height, escapement, weight, underline, colour, opaque) {
    var ctx = marevoDraw.ctx;
    var s = UTF8ToString(text);
    // A positive height is the character cell (ascent + descent), a negative one the em size;
    // the Gothic faces' cell is about one em.
    var em = height > 0 ? height : -height;
    ctx.save();
    ctx.font = (weight >= 600 ? 'bold ' : '') + em + 'px ' + marevoDraw.face;
    ctx.textBaseline = 'top';
    ctx.translate(x, y);
    if (escapement) ctx.rotate(-escapement / 10 * Math.PI / 180);
    var width = ctx.measureText(s).width;
    if (opaque) {
      ctx.fillStyle = 'rgb(255,255,255)';
      ctx.fillRect(0, 0, width, em);
    }
    ctx.fillStyle = marevoDraw.css(colour);
    ctx.fillText(s, 0, 0);
    if (underline) ctx.fillRect(0, em - 1, width, 1);
    ctx.restore();
  },
  js_canvas_clip__deps: ['$marevoDraw'],
  js_canvas_clip: function (x, y, w, h) {
    var ctx = marevoDraw.ctx;
    ctx.save();
    ctx.beginPath();
    ctx.rect(x, y, w, h);
    ctx.clip();
  },
  js_canvas_unclip__deps: ['$marevoDraw'],
  js_canvas_unclip: function () {
    marevoDraw.ctx.restore();
  },
});
