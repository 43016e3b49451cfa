// The site's icons, drawn here: five loudspeakers around the listener as the program places
// them (the centre ahead, the fronts 30 degrees either side, the surrounds at 110), on the
// page's own dark grey, as PNG files of 192 and 512 pixels.
//   node icons.mjs SITE_DIR
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const SIZES = [192, 512];
const SAMPLES = 4;  // per pixel and axis, for smooth edges
const BACKGROUND = [0x1e, 0x1e, 0x1e];
const GUIDE = [0x70, 0x70, 0x70];
const SPEAKER = [0xf0, 0xf0, 0xf0];
const LISTENER = [0x3d, 0x8b, 0xfd];
// In units of the icon's side: the listener, the speakers' distance from it and their size.
const YOU = [0.5, 0.6];
const DISTANCE = 0.33;
const HALF_SIDE = 0.055;
const YOU_RADIUS = 0.065;
const GUIDE_WIDTH = 0.012;
const ANGLES = [0, -30, 30, -110, 110];

const SPEAKERS = ANGLES.map((degrees) => {
  const a = degrees * Math.PI / 180;
  return [YOU[0] + Math.sin(a) * DISTANCE, YOU[1] - Math.cos(a) * DISTANCE];
});

// The colour at a point of the unit square: what lies on top there.
function colourAt(x, y) {
  if (SPEAKERS.some(([sx, sy]) => Math.abs(x - sx) <= HALF_SIDE && Math.abs(y - sy) <= HALF_SIDE)) {
    return SPEAKER;
  }
  const away = Math.hypot(x - YOU[0], y - YOU[1]);
  if (away <= YOU_RADIUS) return LISTENER;
  if (Math.abs(away - DISTANCE) <= GUIDE_WIDTH / 2) return GUIDE;
  return BACKGROUND;
}

// Rows of RGB pixels, each led by PNG's filter byte (none).
function pixels(size) {
  const rows = Buffer.alloc(size * (3 * size + 1));
  for (let py = 0; py < size; py++) {
    for (let px = 0; px < size; px++) {
      const sum = [0, 0, 0];
      for (let i = 0; i < SAMPLES * SAMPLES; i++) {
        const x = (px + (i % SAMPLES + 0.5) / SAMPLES) / size;
        const y = (py + (Math.floor(i / SAMPLES) + 0.5) / SAMPLES) / size;
        colourAt(x, y).forEach((c, k) => {
          sum[k] += c;
        });
      }
      const at = py * (3 * size + 1) + 1 + 3 * px;
      sum.forEach((c, k) => {
        rows[at + k] = Math.round(c / (SAMPLES * SAMPLES));
      });
    }
  }
  return rows;
}

const CRC_TABLE = Array.from({length: 256}, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const body = Buffer.concat([Buffer.from(type, 'latin1'), data]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([length, body, crc]);
}

function png(size) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([8, 2, 0, 0, 0], 8);  // 8 bits a channel, RGB, deflate, no filter set, no interlace
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]), chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(pixels(size), {level: 9})), chunk('IEND', Buffer.alloc(0))
  ]);
}

const site = process.argv[2];
for (const size of SIZES) fs.writeFileSync(path.join(site, `icon-${size}.png`), png(size));
