// Tokenises the fixture knowledge files with the TextMate grammars and checks,
// at every place tests/editors/highlight.expect names, the scope that stands
// for the Vim syntax group there: the two editors colour alike.
'use strict';
const fs = require('fs');
const path = require('path');
const vsctm = require('vscode-textmate');
const oniguruma = require('vscode-oniguruma');

const root = path.join(__dirname, '..', '..', '..');
const fixture = path.join(root, 'tests', 'editors', 'fixture', 'data');
const tables = ['reflections.txt', 'substitutions.txt', 'settings.txt', 'stopwords.txt'];
const scopeOf = {
  orviaComment: 'comment.line.orvia',
  orviaMeant: 'comment.line.marker.orvia',
  orviaSection: 'punctuation.definition.section.begin.orvia',
  orviaSectionName: 'entity.name.file.section.orvia',
  orviaSectionEnd: 'punctuation.definition.section.end.orvia',
  orviaBadSectionEnd: 'invalid.illegal.section-end.orvia',
  orviaCode: 'constant.numeric.code.orvia',
  orviaKeywordLine: 'meta.keyword-line.orvia',
  orviaBadSep: 'invalid.illegal.separator.orvia',
  orviaPhrase: 'string.unquoted.phrase.orvia',
  orviaEdge: 'constant.character.edge.orvia',
  orviaError: 'invalid.illegal.line.orvia',
  orviaHeader: 'entity.name.function.block.orvia',
  orviaBlockEnd: 'keyword.control.block-end.orvia',
  orviaStatementMark: 'keyword.operator.statement.orvia',
  orviaStatement: 'meta.entry.statement.orvia',
  orviaNoBlank: 'invalid.illegal.dropped.orvia',
  orviaQuestionMark: 'keyword.operator.question.orvia',
  orviaQuestion: 'string.unquoted.question.orvia',
  orviaAttribute: 'keyword.operator.attribute.orvia',
  orviaAttributeLabel: 'entity.other.attribute-name.orvia',
  orviaAttributeValue: 'string.unquoted.attribute-value.orvia',
  orviaFollowUp: 'keyword.operator.follow-up.orvia',
  orviaFollowUpFile: 'entity.name.file.follow-up.orvia',
  orviaTag: 'variable.language.tag.orvia',
  orviaBadTag: 'invalid.illegal.tag.orvia',
  orviaControl: 'invalid.deprecated.control.orvia',
  orviaEntryError: 'invalid.illegal.entry.orvia',
  orviaIgnored: 'comment.line.ignored.orvia',
  orviaLeadBlank: 'invalid.illegal.lead-blank.orvia',
  orviaTableWord: 'keyword.other.rule.orvia',
};

async function main() {
  const wasm = fs.readFileSync(require.resolve('vscode-oniguruma/release/onig.wasm'));
  await oniguruma.loadWASM(wasm.buffer);
  const registry = new vsctm.Registry({
    onigLib: Promise.resolve({
      createOnigScanner: (s) => new oniguruma.OnigScanner(s),
      createOnigString: (s) => new oniguruma.OnigString(s),
    }),
    loadGrammar: async (scope) => {
      const file = { 'source.orvia': 'orvia.tmLanguage.json', 'source.orvia-table': 'orvia-table.tmLanguage.json' }[scope];
      const text = fs.readFileSync(path.join(__dirname, '..', 'syntaxes', file), 'utf8');
      return vsctm.parseRawGrammar(text, file);
    },
  });
  const grammars = {
    orvia: await registry.loadGrammar('source.orvia'),
    table: await registry.loadGrammar('source.orvia-table'),
  };

  // file -> lines of innermost scopes, one per character
  const cache = {};
  function scopesOf(file) {
    if (cache[file]) return cache[file];
    const grammar = tables.includes(path.basename(file)) ? grammars.table : grammars.orvia;
    let state = vsctm.INITIAL;
    cache[file] = fs.readFileSync(path.resolve(fixture, file), 'utf8').split(/\r\n|\n/).map((line) => {
      const result = grammar.tokenizeLine(line, state);
      state = result.ruleStack;
      const chars = [];
      for (const t of result.tokens) {
        for (let i = t.startIndex; i < t.endIndex; i++) chars[i] = t.scopes;
      }
      return chars;
    });
    return cache[file];
  }

  let passed = 0;
  const failed = [];
  const expect = fs.readFileSync(path.join(root, 'tests', 'editors', 'highlight.expect'), 'utf8');
  for (const line of expect.split('\n')) {
    const m = line.match(/^(\S+) (\d+) (\d+) (\S+)$/);
    if (!m) continue;
    const [, file, lnum, col, group] = m;
    const scopes = scopesOf(file)[lnum - 1][col - 1] || [];
    const innermost = scopes.length > 1 ? scopes[scopes.length - 1] : '-';
    const want = group === '-' ? '-' : scopeOf[group];
    if (innermost === want) passed++;
    else failed.push(`${file}:${lnum}:${col}: ${scopes.join(' ')}, expected ${want} (${group})`);
  }
  // The shipped bases check clean, so nothing in them may show as an error.
  const bases = [path.join(root, 'data')];
  for (const ex of fs.readdirSync(path.join(root, 'examples'))) {
    if (fs.existsSync(path.join(root, 'examples', ex, 'data'))) bases.push(path.join(root, 'examples', ex, 'data'));
  }
  for (const base of bases) {
    for (const file of fs.readdirSync(base).filter((f) => f.endsWith('.txt'))) {
      const full = path.join(base, file);
      const bad = scopesOf(full).findIndex((chars) => chars.some((s) => s && s.some((x) => x.startsWith('invalid.illegal'))));
      if (bad < 0) passed++;
      else failed.push(`${path.relative(root, full)}:${bad + 1}: shown as an error`);
    }
  }
  for (const f of failed) console.log(`FAIL: ${f}`);
  console.log(`${passed} passed, ${failed.length} failed`);
  process.exitCode = failed.length || passed === 0 ? 1 : 0;
}

main().catch((err) => { console.error(err); process.exitCode = 1; });
