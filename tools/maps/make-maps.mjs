// Builds the reference maps of Torvelo Alemania 2006 from Natural Earth data
// (public domain, through the world-atlas package):
//
//   assets/reference/maps/<Key>.svg          one 240x240 map per team: the
//                                            country in pitch green, its
//                                            neighbours in light grey, the sea
//                                            in pale blue
//   assets/reference/maps/germany-venues.svg 420x520 map of Germany for the
//                                            stadium and host city directories
//   assets/reference/maps/germany-venues.json the twelve host cities projected
//                                            into that map's coordinates (the
//                                            program draws markers and names)
//
// Run:  cd tools/maps && npm ci && node make-maps.mjs
//
// The output is plain SVG Tiny (rect, path, g): QtSvg renders it as it is.
// Coordinates are rounded to 0.1 px and points closer than MIN_STEP px to the
// previous one are dropped (MIN_STEP, BASE_STEP), which keeps every map well under 60 KB.

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import * as topojson from 'topojson-client';
import { geoArea, geoBounds, geoCentroid, geoConicConformal, geoContains, geoMercator, geoPath } from 'd3-geo';
import polygonClipping from 'polygon-clipping';

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, '..', '..');
const outDir = path.join(repo, 'assets', 'reference', 'maps');
const atlasDir = path.join(here, 'node_modules', 'world-atlas');

// Colours, from assets/art/PALETTE.md (pitch green, silver, steel) plus the
// pale sea blue and the light land grey of the maps.
const C = {
  sea: '#D4E5F2',
  land: '#DADDE2',
  coast: '#9DB4C8',
  border: '#FFFFFF',
  country: '#2E8B3E',
  countryLight: '#5FA96B',
  countryRim: '#1D6B2C',
  frame: '#8C939E',
};

const MIN_STEP = 0.45; // px, for the country itself
const BASE_STEP = 0.8; // px, for the land and borders around it

// ---------------------------------------------------------------- data --

const atlasCache = new Map();
function atlas(res) {
  if (!atlasCache.has(res)) {
    const topo = JSON.parse(fs.readFileSync(path.join(atlasDir, `countries-${res}.json`), 'utf8'));
    moveCrimeaToUkraine(topo);
    atlasCache.set(res, topo);
  }
  return atlasCache.get(res);
}

function geometriesNamed(topo, names) {
  const gs = topo.objects.countries.geometries.filter((g) => names.includes(g.properties.name));
  if (gs.length !== names.length) {
    throw new Error(`missing country in atlas: ${names.join(', ')}`);
  }
  return gs;
}

// The maps show the borders of 2006. Natural Earth's current admin-0 layer
// puts the Crimean peninsula under Russia; give that polygon back to Ukraine
// before anything is drawn, so that the Ukraine map, its neighbours and the
// border lines all agree.
function moveCrimeaToUkraine(topo) {
  const [russia] = geometriesNamed(topo, ['Russia']);
  const [ukraine] = geometriesNamed(topo, ['Ukraine']);
  if (russia.type !== 'MultiPolygon') return;
  const crimea = [34.1, 45.0];
  const i = russia.arcs.findIndex((poly) =>
    geoContains(topojson.feature(topo, { type: 'Polygon', arcs: poly }), crimea));
  if (i < 0) return;
  const [poly] = russia.arcs.splice(i, 1);
  if (ukraine.type === 'Polygon') {
    ukraine.type = 'MultiPolygon';
    ukraine.arcs = [ukraine.arcs];
  }
  ukraine.arcs.push(poly);
}

// A few tiny islands of the 10m file are wound the wrong way round and would
// cover the whole globe; such polygons are left out of the land layer.
function sane(feature) {
  const g = feature.geometry;
  if (g.type !== 'MultiPolygon') return geoArea(feature) < 2 * Math.PI ? feature : null;
  const coordinates = g.coordinates.filter((rings) => geoArea({ type: 'Polygon', coordinates: rings }) < 2 * Math.PI);
  return { ...feature, geometry: { type: 'MultiPolygon', coordinates } };
}

// The polygons of a (Multi)Polygon whose centroid lies inside [w, s, e, n].
function keepInside(geometry, box) {
  if (!box) return geometry;
  const polys = geometry.type === 'Polygon' ? [geometry.coordinates] : geometry.coordinates;
  const kept = polys.filter((rings) => {
    const [x, y] = geoCentroid({ type: 'Polygon', coordinates: rings });
    return x >= box[0] && x <= box[2] && y >= box[1] && y <= box[3];
  });
  return { type: 'MultiPolygon', coordinates: kept };
}

// ------------------------------------------------------------- drawing --

// A d3 path context that writes compact SVG path data: 0.1 px coordinates,
// near-duplicate points dropped, rings smaller than a pixel left out.
class PathWriter {
  constructor(step) {
    this.step = step;
    this.out = [];
    this.ring = null;
  }
  flush(closed) {
    const r = this.ring;
    this.ring = null;
    if (!r || r.length < 2) return;
    if (closed) {
      if (r.length < 3) return;
      let a = 0;
      for (let i = 0, j = r.length - 1; i < r.length; j = i++) a += r[j][0] * r[i][1] - r[i][0] * r[j][1];
      if (Math.abs(a) / 2 < 0.6) return;
    }
    const f = (v) => {
      const s = (Math.round(v * 10) / 10).toFixed(1);
      return s.endsWith('.0') ? s.slice(0, -2) : s;
    };
    let d = `M${f(r[0][0])},${f(r[0][1])}L`;
    d += r.slice(1).map(([x, y]) => `${f(x)},${f(y)}`).join(' ');
    if (closed) d += 'Z';
    this.out.push(d);
  }
  moveTo(x, y) {
    this.flush(false);
    this.ring = [[x, y]];
    this.last = [x, y];
  }
  lineTo(x, y) {
    const [lx, ly] = this.last;
    if (Math.hypot(x - lx, y - ly) < this.step) return;
    this.ring.push([x, y]);
    this.last = [x, y];
  }
  closePath() {
    this.flush(true);
  }
  arc() {}
  result() {
    this.flush(false);
    return this.out.join('');
  }
}

function pathData(projection, object, step = MIN_STEP) {
  const w = new PathWriter(step);
  geoPath(projection, w)(object);
  return w.result();
}

function projectionFor(feature, width, height, pad, kind) {
  const [[w, s], [e, n]] = geoBounds(feature);
  let lon0 = (w + e) / 2;
  if (e < w) lon0 = (w + e + 360) / 2; // box across the date line
  const lat0 = (s + n) / 2;
  const type = kind ?? (Math.abs(lat0) >= 20 ? 'conic' : 'mercator');
  const p = type === 'conic'
    ? geoConicConformal().parallels([lat0 - (n - s) / 4, lat0 + (n - s) / 4]).rotate([-lon0, 0])
    : geoMercator().rotate([-lon0, 0]);
  p.fitExtent([[pad, pad], [width - pad, height - pad]], feature);
  p.clipExtent([[0, 0], [width, height]]);
  return p;
}

function svgDocument(width, height, comment, body) {
  return `<?xml version="1.0" encoding="UTF-8"?>
<!-- Torvelo Alemania 2006 - ${comment}
     Drawn by tools/maps/make-maps.mjs from Natural Earth (public domain);
     edit the script, not this file. -->
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"
     width="${width}" height="${height}" viewBox="0 0 ${width} ${height}">
${body}</svg>
`;
}

// Sea, all land in grey with its coastline, and the borders: the common
// ground of a map. The land layer is Natural Earth's merged land, so every
// coastline is drawn once; the borders come from the countries' shared arcs.
function baseLayers(topo, projection, width, height, faint) {
  const countries = topo.objects.countries;
  const land = {
    type: 'FeatureCollection',
    features: topojson.feature(topo, topo.objects.land).features.map(sane).filter(Boolean),
  };
  const borders = topojson.mesh(topo, countries, (a, b) => a !== b);
  // Faint neighbours are mixed towards the sea colour here rather than given
  // a group opacity, which SVG Tiny does not have.
  const tone = (c) => (faint ? mix(c, C.sea, 0.3) : c);
  const layer = (attrs, d) => (d ? `  <path ${attrs} d="${d}"/>\n` : '');
  return `  <rect x="0" y="0" width="${width}" height="${height}" fill="${C.sea}"/>\n`
    + layer(`fill="${tone(C.land)}" stroke="${tone(C.coast)}" stroke-width="0.6" stroke-linejoin="round"`, pathData(projection, land, BASE_STEP))
    + layer(`fill="none" stroke="${tone(C.border)}" stroke-width="0.9" stroke-linejoin="round"`, pathData(projection, borders, BASE_STEP));
}

// a + (b - a) * t on '#RRGGBB' colours.
function mix(a, b, t) {
  const ch = (c, i) => parseInt(c.slice(1 + 2 * i, 3 + 2 * i), 16);
  const v = [0, 1, 2].map((i) => Math.round(ch(a, i) + (ch(b, i) - ch(a, i)) * t));
  return `#${v.map((x) => x.toString(16).padStart(2, '0')).join('').toUpperCase()}`;
}

function frame(width, height) {
  return `  <rect x="0.5" y="0.5" width="${width - 1}" height="${height - 1}" fill="none" stroke="${C.frame}" stroke-width="1"/>\n`;
}

// ------------------------------------------------------------ the teams --

// names: Natural Earth admin-0 names that make up the country (merged).
// keep:  [w, s, e, n]; only the polygons whose centroid is inside frame the
//        map (mainland or European territory, no overseas parts).
// res:   '50m' by default, '10m' for the smallest countries.
const TEAMS = [
  { key: 'Alemania', names: ['Germany'] },
  { key: 'Angola', names: ['Angola'] },
  { key: 'Arabia', names: ['Saudi Arabia'] },
  { key: 'Argentina', names: ['Argentina'], keep: [-74, -56, -53, -21] },
  { key: 'Australia', names: ['Australia'], keep: [112, -44, 155, -10] },
  { key: 'Brasil', names: ['Brazil'], keep: [-75, -34, -34.5, 6] },
  { key: 'Corea', names: ['South Korea'] },
  { key: 'CostadeMarfil', names: ["Côte d'Ivoire"] },
  { key: 'CostaRica', names: ['Costa Rica'], keep: [-86.5, 8, -82.5, 11.5], res: '10m' },
  { key: 'Croacia', names: ['Croatia'] },
  { key: 'Ecuador', names: ['Ecuador'], keep: [-82, -5.5, -75, 2] },
  { key: 'España', names: ['Spain'], keep: [-10, 35.8, 5, 44.5] },
  { key: 'EEUU', names: ['United States of America'], keep: [-125, 24, -66, 50] },
  { key: 'Francia', names: ['France'], keep: [-6, 41, 10, 52] },
  { key: 'Ghana', names: ['Ghana'] },
  { key: 'Holanda', names: ['Netherlands'], keep: [3, 50, 8, 54], res: '10m' },
  { key: 'Inglaterra', names: ['United Kingdom'], keep: [-9, 49.5, 2, 58.7], england: true },
  { key: 'Iran', names: ['Iran'] },
  { key: 'Italia', names: ['Italy'] },
  { key: 'Japon', names: ['Japan'], keep: [129, 30.5, 146, 46] },
  { key: 'Mexico', names: ['Mexico'], keep: [-118, 14, -86, 33] },
  { key: 'Paraguay', names: ['Paraguay'] },
  { key: 'Polonia', names: ['Poland'] },
  { key: 'Portugal', names: ['Portugal'], keep: [-10, 36, -6, 42.5] },
  { key: 'RepCheca', names: ['Czechia'] },
  { key: 'Serbia', names: ['Serbia', 'Kosovo', 'Montenegro'] },
  { key: 'Suecia', names: ['Sweden'] },
  { key: 'Suiza', names: ['Switzerland'], res: '10m' },
  { key: 'Togo', names: ['Togo'], res: '10m' },
  { key: 'Trinidad', names: ['Trinidad and Tobago'], res: '10m' },
  { key: 'Tunez', names: ['Tunisia'] },
  { key: 'Ucrania', names: ['Ukraine'] },
];

// England inside the United Kingdom. The atlas has no subdivisions, so the
// United Kingdom is cut along a rough line: the Solway Firth and the Cheviots
// to the mouth of the Tweed, then, after going round the east and south coasts
// at sea, up the Bristol Channel and the Severn and along the Welsh border to
// the Dee. Northern Ireland and the Isle of Man lie outside it.
const ENGLAND_CUT = [
  [-3.9, 54.75], [-3.45, 54.9], [-3.06, 54.99], [-2.9, 55.05], [-2.82, 55.11],
  [-2.57, 55.27], [-2.48, 55.35], [-2.3, 55.43], [-2.18, 55.5], [-2.25, 55.64],
  [-2.03, 55.81], [-1.6, 55.95], [2.5, 55.95], [2.5, 49.6], [-6.8, 49.6],
  [-6.8, 51.12], [-4.7, 51.3], [-3.6, 51.37], [-3.3, 51.4], [-3.0, 51.47],
  [-2.75, 51.56], [-2.66, 51.63], [-2.72, 51.81], [-2.95, 51.93], [-3.13, 52.07],
  [-3.05, 52.2], [-3.05, 52.34], [-3.15, 52.5], [-3.1, 52.56], [-3.05, 52.7],
  [-3.09, 52.78], [-3.05, 52.93], [-2.75, 52.98], [-2.9, 53.1], [-2.95, 53.2],
  [-3.05, 53.25], [-3.25, 53.38], [-3.6, 53.6], [-4.2, 54.2], [-3.9, 54.75],
];

function england(ukGeometry) {
  const polys = ukGeometry.type === 'Polygon' ? [ukGeometry.coordinates] : ukGeometry.coordinates;
  const cut = polygonClipping.intersection(polys, [[ENGLAND_CUT]]);
  // polygon-clipping winds rings the planar GeoJSON way; d3-geo wants the
  // opposite on the sphere, so turn any ring that came out inside-out.
  const fixed = cut.map((rings) => rings.map((ring, i) => {
    const area = geoArea({ type: 'Polygon', coordinates: [ring] });
    const small = area < 2 * Math.PI;
    return (i === 0) === small ? ring : ring.slice().reverse();
  }));
  return { type: 'MultiPolygon', coordinates: fixed };
}

function teamMap(team) {
  const W = 240;
  const H = 240;
  const topo = atlas(team.res ?? '50m');
  const whole = topojson.merge(topo, geometriesNamed(topo, team.names));
  const framed = keepInside(whole, team.keep);
  const projection = projectionFor(framed, W, H, 22, team.kind);
  let body = baseLayers(topo, projection, W, H, false);
  if (team.england) {
    body += `  <path fill="${C.countryLight}" stroke="${C.countryRim}" stroke-width="0.8" stroke-linejoin="round" d="${pathData(projection, whole)}"/>\n`;
    body += `  <path fill="${C.country}" stroke="${C.countryRim}" stroke-width="0.6" stroke-linejoin="round" d="${pathData(projection, england(whole))}"/>\n`;
    body += `  <path fill="none" stroke="${C.countryRim}" stroke-width="0.8" stroke-linejoin="round" d="${pathData(projection, whole)}"/>\n`;
  } else {
    body += `  <path fill="${C.country}" stroke="${C.countryRim}" stroke-width="0.8" stroke-linejoin="round" d="${pathData(projection, whole)}"/>\n`;
  }
  body += frame(W, H);
  const label = team.england
    ? 'map of England (United Kingdom outline, England in the darker green).'
    : `map of ${team.names.join(' + ')}.`;
  return svgDocument(W, H, label, body);
}

// ------------------------------------------------------- host cities --

const CITIES = [
  { key: 'Hamburg', name: 'Hamburgo', lat: 53.55, lon: 9.99 },
  { key: 'Hannover', name: 'Hannover', lat: 52.37, lon: 9.74 },
  { key: 'Gelsenkirchen', name: 'Gelsenkirchen', lat: 51.55, lon: 7.07 },
  { key: 'Dortmund', name: 'Dortmund', lat: 51.51, lon: 7.47 },
  { key: 'Köln', name: 'Colonia', lat: 50.94, lon: 6.96 },
  { key: 'Frankfurt', name: 'Frankfurt', lat: 50.11, lon: 8.68 },
  { key: 'Kaiserslautern', name: 'Kaiserslautern', lat: 49.44, lon: 7.77 },
  { key: 'Berlin', name: 'Berlín', lat: 52.52, lon: 13.4 },
  { key: 'Leipzig', name: 'Leipzig', lat: 51.34, lon: 12.37 },
  { key: 'Nürnberg', name: 'Núremberg', lat: 49.45, lon: 11.08 },
  { key: 'Stuttgart', name: 'Stuttgart', lat: 48.78, lon: 9.18 },
  { key: 'München', name: 'Múnich', lat: 48.14, lon: 11.58 },
];

function germanyVenues() {
  const W = 420;
  const H = 520;
  const topo = atlas('50m');
  const germany = topojson.merge(topo, geometriesNamed(topo, ['Germany']));
  const projection = geoConicConformal().parallels([48.5, 53.5]).rotate([-10.45, 0])
    .fitExtent([[18, 18], [W - 18, H - 18]], germany)
    .clipExtent([[0, 0], [W, H]]);
  let body = baseLayers(topo, projection, W, H, true);
  body += `  <path fill="${C.country}" stroke="${C.countryRim}" stroke-width="1.2" stroke-linejoin="round" d="${pathData(projection, germany)}"/>\n`;
  body += frame(W, H);
  const svg = svgDocument(W, H, 'map of Germany for the stadium and host city directories (markers and names are drawn by the program at the points of germany-venues.json).', body);
  const r1 = (v) => Math.round(v * 10) / 10;
  const cities = CITIES.map((c) => {
    const [x, y] = projection([c.lon, c.lat]);
    return { key: c.key, name: c.name, x: r1(x), y: r1(y) };
  });
  const json = JSON.stringify({ width: W, height: H, cities }, null, 2)
    .replace(/\{\n\s+("key"[^}]*?)\n\s+\}/g, (m, inner) => `{ ${inner.replace(/,\n\s+/g, ', ')} }`);
  return { svg, json: json + '\n' };
}

// ---------------------------------------------------------------- main --

fs.mkdirSync(outDir, { recursive: true });
for (const team of TEAMS) {
  const svg = teamMap(team);
  fs.writeFileSync(path.join(outDir, `${team.key}.svg`), svg);
  console.log(`${team.key}.svg  ${(svg.length / 1024).toFixed(1)} KB`);
}
const venues = germanyVenues();
fs.writeFileSync(path.join(outDir, 'germany-venues.svg'), venues.svg);
fs.writeFileSync(path.join(outDir, 'germany-venues.json'), venues.json);
console.log(`germany-venues.svg  ${(venues.svg.length / 1024).toFixed(1)} KB`);
console.log('germany-venues.json');
