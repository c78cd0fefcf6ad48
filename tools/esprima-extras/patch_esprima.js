// Writes esprima.js with its scanner's busiest character tests done in line;
// the tree it builds stays the same for every input. In the embedded engine
// each call costs far more than the test it makes, and the scanner made one
// per character of the source: whitespace through Character.isWhiteSpace and
// Character.isLineTerminator, identifier characters through
// Character.isIdentifierPart, and the loops' end through eof(). Plain ASCII
// letters, digits, spaces and tabs now answer at once; anything else still
// takes the original call. A one-character operator no longer cuts three
// substrings from the source to rule out the longer ones: every longer
// punctuator has one of = > < & | + - * as its second character. Before
// trying match() or matchKeyword() on each operator in turn, the unary, update
// and member-or-call steps look at the token's type (and, for members and
// calls, its value) once: an operand is almost never followed by any of them.
// Usage: node patch_esprima.js <esprima.js> <output>
'use strict';
const fs = require('fs');

// Each line of the library is indented by one tab, then spaces.
const lines = (...text) => text.map((t) => '\t' + t).join('\n');

const pieces = [
  [
    lines(
      '        while (!this.eof()) {',
      '            var ch = this.source.charCodeAt(this.index);',
      '            if (character_1.Character.isWhiteSpace(ch)) {',
      '                ++this.index;',
      '            }',
      '            else if (character_1.Character.isLineTerminator(ch)) {'),
    lines(
      '        while (this.index < this.length) {',
      '            var ch = this.source.charCodeAt(this.index);',
      '            if (ch > 0x20 && ch < 0x7F && ch !== 0x2F && ch !== 0x2D && ch !== 0x3C) {',
      '                break;',
      '            }',
      '            if (ch === 0x20 || ch === 0x09 || (ch !== 0x0A && character_1.Character.isWhiteSpace(ch))) {',
      '                ++this.index;',
      '            }',
      '            else if (ch === 0x0A || character_1.Character.isLineTerminator(ch)) {'),
  ],
  [
    lines(
      '        var start = this.index++;',
      '        while (!this.eof()) {',
      '            var ch = this.source.charCodeAt(this.index);',
      '            if (ch === 0x5C) {'),
    lines(
      '        var start = this.index++;',
      '        while (this.index < this.length) {',
      '            var ch = this.source.charCodeAt(this.index);',
      '            if ((ch >= 0x61 && ch <= 0x7A) || (ch >= 0x41 && ch <= 0x5A) || (ch >= 0x30 && ch <= 0x39) || ch === 0x5F) {',
      '                ++this.index;',
      '                continue;',
      '            }',
      '            if (ch < 0x80 && ch !== 0x24 && ch !== 0x5C) {',
      '                break;',
      '            }',
      '            if (ch === 0x5C) {'),
  ],
  [
    lines(
      '        this.lastMarker.column = this.scanner.index - this.scanner.lineStart;',
      '        this.collectComments();',
      '        if (this.scanner.index !== this.startMarker.index) {'),
    lines(
      '        this.lastMarker.column = this.scanner.index - this.scanner.lineStart;',
      '        var following = this.scanner.source.charCodeAt(this.scanner.index);',
      '        if (!(following > 0x20 && following < 0x7F && following !== 0x2F && following !== 0x2D && following !== 0x3C)) {',
      '            this.collectComments();',
      '        }',
      '        if (this.scanner.index !== this.startMarker.index) {'),
  ],
  [
    lines(
      '    Scanner.prototype.lex = function () {',
      '        if (this.eof()) {'),
    lines(
      '    Scanner.prototype.lex = function () {',
      '        if (this.index >= this.length) {'),
  ],
  [
    lines(
      '        var cp = this.source.charCodeAt(this.index);',
      '        if (character_1.Character.isIdentifierStart(cp)) {',
      '            return this.scanIdentifier();'),
    lines(
      '        var cp = this.source.charCodeAt(this.index);',
      '        if ((cp >= 0x61 && cp <= 0x7A) || (cp >= 0x41 && cp <= 0x5A) ||',
      '            ((cp >= 0x80 || cp === 0x24 || cp === 0x5F || cp === 0x5C) && character_1.Character.isIdentifierStart(cp))) {',
      '            return this.scanIdentifier();'),
  ],
  [
    lines(
      '            default:',
      '                // 4-character punctuator.',
      '                str = this.source.substr(this.index, 4);'),
    lines(
      '            default:',
      '                var second = this.source.charCodeAt(this.index + 1);',
      '                if (second !== 0x3D && second !== 0x3E && second !== 0x3C && second !== 0x26 &&',
      '                    second !== 0x7C && second !== 0x2B && second !== 0x2D && second !== 0x2A) {',
      "                    if ('<>=!+-*%&|^/'.indexOf(str) >= 0) {",
      '                        ++this.index;',
      '                    }',
      '                    break;',
      '                }',
      '                // 4-character punctuator.',
      '                str = this.source.substr(this.index, 4);'),
  ],
  [
    lines(
      "        if (this.match('+') || this.match('-') || this.match('~') || this.match('!') ||",
      "            this.matchKeyword('delete') || this.matchKeyword('void') || this.matchKeyword('typeof')) {"),
    lines(
      "        if ((this.lookahead.type === 7 || this.lookahead.type === 4) &&",
      "            (this.match('+') || this.match('-') || this.match('~') || this.match('!') ||",
      "            this.matchKeyword('delete') || this.matchKeyword('void') || this.matchKeyword('typeof'))) {"),
  ],
  [
    lines(
      '        var startToken = this.lookahead;',
      "        if (this.match('++') || this.match('--')) {"),
    lines(
      '        var startToken = this.lookahead;',
      "        if (this.lookahead.type === 7 && (this.match('++') || this.match('--'))) {"),
  ],
  [
    lines(
      '            expr = this.inheritCoverGrammar(this.matchKeyword(\'new\') ? this.parseNewExpression : this.parsePrimaryExpression);',
      '        }',
      '        while (true) {',
      "            if (this.match('.')) {"),
    lines(
      '            expr = this.inheritCoverGrammar(this.matchKeyword(\'new\') ? this.parseNewExpression : this.parsePrimaryExpression);',
      '        }',
      '        while (true) {',
      '            var next = this.lookahead;',
      '            if (next.type !== 10 && !(next.type === 7 && (next.value === \'.\' || next.value === \'(\' || next.value === \'[\'))) {',
      '                break;',
      '            }',
      "            if (this.match('.')) {"),
  ],
];

const [input, output] = process.argv.slice(2);
let text = fs.readFileSync(input, 'utf8');
for (const [from, to] of pieces) {
  const count = text.split(from).length - 1;
  if (count !== 1) {
    process.stderr.write(`patch_esprima.js: expected one of these lines in ${input}, found ${count}:\n${from}\n`);
    process.exit(1);
  }
  text = text.replace(from, () => to);
}
fs.writeFileSync(output + '.tmp', text);
fs.renameSync(output + '.tmp', output);
