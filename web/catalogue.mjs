// Turns the program's translations (translations/corvalen_<lang>.ts, as Qt Linguist keeps them)
// into what the page loads: lang/<lang>.json mapping "context\u0004source" to the translation
// (an array of plural forms for a numerus entry), and lang/languages.json listing the languages.
// Entries not finished are left out, so that the English text shows.
// Usage: node catalogue.mjs <output folder> <ts file>...
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [output, ...files] = process.argv.slice(2);
const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const unescape = (text) => text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (all, name) =>
    name[0] !== '#' ? entities[name] ?? all
        : String.fromCodePoint(parseInt(name.slice(name[1] === 'x' ? 2 : 1), name[1] === 'x' ? 16 : 10)));
const finished = (attributes) => !/type="(unfinished|vanished|obsolete)"/.test(attributes);

mkdirSync(output, { recursive: true });
const languages = [];
for (const file of files) {
    const ts = readFileSync(file, 'utf8');
    const language = /<TS[^>]*language="([^"]+)"/.exec(ts)[1];
    const catalogue = {};
    for (const [, body] of ts.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const context = unescape(/<name>([\s\S]*?)<\/name>/.exec(body)[1]);
        for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
            const source = unescape(/<source>([\s\S]*?)<\/source>/.exec(message)[1]);
            const translation = /<translation([^>]*)>([\s\S]*?)<\/translation>/.exec(message);
            if (!translation || !finished(translation[1]))
                continue;
            const forms = [...translation[2].matchAll(/<numerusform>([\s\S]*?)<\/numerusform>/g)];
            const text = forms.length ? forms.map((f) => unescape(f[1])) : unescape(translation[2]);
            if (text.length)
                catalogue[`${context}\u0004${source}`] = text;
        }
    }
    writeFileSync(join(output, `${language}.json`), JSON.stringify(catalogue));
    languages.push(language);
}
writeFileSync(join(output, 'languages.json'), JSON.stringify(languages.sort()));
