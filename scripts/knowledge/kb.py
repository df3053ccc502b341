# Builds data/ from the tables in topics*.py. The data files are what ships and
# what a botmaster edits; this script only wrote their first version.
import os
import sys
from collections import OrderedDict

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, '..', '..', 'data')

MAIN = []       # (tier, file, topic, phrases, entries, follow)
FOLLOW = OrderedDict()   # index name -> [(file, topic, phrases, entries, follow)]
FOLLOW_NOTE = {}
PRESET1 = []    # (file, topic, phrases, code, entries)
BLOCKS = OrderedDict()   # file -> [(code, topic, entries, follow)]
FILE_NOTE = {}
TIER_NOTE = {}


def _phrases(s):
    return s.split('|')


def _entries(s):
    out = []
    for line in s.strip('\n').split('\n'):
        line = line.strip()
        if not line:
            continue
        assert line[0] in '#$', line
        if line[0] == '#':
            assert line.startswith('# '), line
        out.append(line)
    return out


def _new_code(file, topic, entries, follow, code=None):
    blocks = BLOCKS.setdefault(file, [])
    if code is None:
        code = '%04d' % (len([b for b in blocks if b[0] < '0500']) + 1)
    blocks.append((code, topic, _entries(entries), follow))
    return code


def K(tier, file, topic, phrases, entries, follow=None):
    """A main-index code: its phrases go into keywords.txt at the tier given."""
    code = _new_code(file, topic, entries, follow)
    MAIN.append((tier, file, code, topic, _phrases(phrases)))
    return (file, code)


def F(index, file, topic, phrases, entries, follow=None):
    """A code answered only through the follow-up index named."""
    blocks = BLOCKS.setdefault(file, [])
    code = '%04d' % (500 + len([b for b in blocks if b[0] >= '0500']) + 1)
    _new_code(file, topic, entries, follow, code)
    FOLLOW.setdefault(index, []).append((file, code, topic, _phrases(phrases)))
    return (file, code)


def FREF(index, target, topic, phrases):
    """A follow-up line that answers from an existing code."""
    file, code = target
    FOLLOW.setdefault(index, []).append((file, code, topic, _phrases(phrases)))


def P1(topic, phrases, code, entries):
    _new_code('Preset2.txt', topic, entries, None, code)
    PRESET1.append(('Preset2.txt', code, topic, _phrases(phrases)))


def B(file, code, topic, entries, follow=None):
    _new_code(file, topic, entries, follow, code)


def write(name, lines):
    for l in lines:
        assert '\t' not in l
    with open(os.path.join(DATA, name), 'wb') as f:
        f.write(('\r\n'.join(lines) + '\r\n').encode('utf-8'))


def shadow_problems(lines):
    seen = []
    probs = []
    for l in lines:
        if not l or l[0] in '/[':
            continue
        p = l[5:].lower()
        for q in seen:
            if q in p:
                probs.append('%r contains earlier %r' % (p, q))
                break
        seen.append(p)
    return probs


def index_lines(groups, header):
    """groups: list of (file, code, topic, phrases); consecutive files share a section line."""
    lines = list(header)
    cur = None
    for file, code, topic, phrases in groups:
        if file != cur:
            lines.append('')
            lines.append('[%s]' % file)
            cur = file
        lines.append('/ %s' % topic)
        for p in phrases:
            lines.append('%s %s' % (code, p))
    return lines


def build():
    problems = []
    # keywords.txt
    lines = [
        '/ keywords.txt: Orvia\'s main keyword index.',
        '/ Every sentence is searched from the top; the first phrase found in it answers.',
        '/ So: specific phrases above general ones, and blanks around short words',
        '/ ("hi " with its blank, or it would match "this"). A phrase meant for [next] or',
        '/ [following] ends at its last letter: the echo starts one character after it.',
        '/ Lines: four-character code, one blank, the phrase. A [file] line names the',
        '/ response file of the lines below it.',
    ]
    for tier in sorted(set(t for t, *_ in MAIN)):
        lines.append('')
        lines.append('/ ' + '=' * 70)
        lines.append('/ ' + TIER_NOTE[tier])
        lines.append('/ ' + '=' * 70)
        groups = [(f, c, t, p) for (ti, f, c, t, p) in MAIN if ti == tier]
        lines += index_lines(groups, [])[0:]
    problems += ['keywords.txt: ' + p for p in shadow_problems(lines)]
    write('keywords.txt', lines)
    # follow-up indexes
    for index, groups in FOLLOW.items():
        head = ['/ %s: a follow-up index.' % index,
                '/ ' + FOLLOW_NOTE[index],
                '/ It is searched first for the sentence right after that question, without',
                '/ the extra blank the main search adds, so phrases here end at a letter.']
        l2 = index_lines(groups, head)
        problems += [index + ': ' + p for p in shadow_problems(l2)]
        write(index, l2)
    # preset1
    head = ['/ preset1.txt: what people answer to "what is your name?" that is not a name.',
            '/ The answer is searched here in capitals, with nothing added, before it is',
            '/ taken as a name: a match is answered from its block and the name question',
            '/ stays open. Mind real names: a bare "no" would catch Noah, "hi" Archie.',
            '/ {SILENCE} stands for an empty answer.']
    l1 = index_lines(PRESET1, head)
    problems += ['preset1.txt: ' + p for p in shadow_problems(l1)]
    write('preset1.txt', l1)
    # response files
    followed = set(FOLLOW)
    for file, blocks in BLOCKS.items():
        out = []
        for n in FILE_NOTE.get(file, '').split('\n'):
            if n:
                out.append('/ ' + n)
        out.append('/ Blocks: "*code", then "# statement" or "$question" lines; "&index.txt"')
        out.append('/ names the follow-up index for the user\'s next sentence.')
        for code, topic, entries, follow in sorted(blocks, key=lambda b: b[0]):
            out.append('')
            out.append('*' + code)
            out.append('/ ' + topic)
            kinds = set(e[0] for e in entries)
            if len(entries) < 3 or kinds != {'#', '$'}:
                problems.append('%s %s: %d entries, kinds %s' % (file, code, len(entries), kinds))
            for e in entries:
                if '{' in e or '}' in e:
                    problems.append('%s %s: brace in %r' % (file, code, e))
                stripped = e.replace('[name]', '').replace('[next]', '').replace('[following]', '').replace('[keyword]', '')
                if '[' in stripped or ']' in stripped:
                    problems.append('%s %s: bracket in %r' % (file, code, e))
                if '  ' in e:
                    problems.append('%s %s: double blank in %r' % (file, code, e))
                out.append(e)
            if follow:
                if follow not in followed:
                    problems.append('%s %s: unknown follow-up %s' % (file, code, follow))
                out.append('&' + follow)
        out.append('*')
        write(file, out)
    n_main = sum(len(p) for *_, p in MAIN)
    print('keyword lines:', n_main, 'codes:', len(MAIN), 'follow-up indexes:', len(FOLLOW),
          'response files:', len(BLOCKS))
    for p in problems:
        print('PROBLEM', p)
    return not problems
