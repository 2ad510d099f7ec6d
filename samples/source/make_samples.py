#!/usr/bin/env python3
"""Writes the sample records of samples/ in CP949 from the UTF-8 texts below.

The games were played by GNU Go 3.8 against itself (level 3); their moves are
the *.moves files here: a first line "HANDICAP <points>", a "SCORE" line, then
one "B|W <GTP point>" line per move. Run from anywhere: python3 make_samples.py
"""
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = os.path.dirname(HERE)
GTP_COLUMNS = 'ABCDEFGHJKLMNOPQRST'


def cp949(text):
    return subprocess.run(['iconv', '-f', 'UTF-8', '-t', 'CP949'], input=text.encode(),
                          capture_output=True, check=True).stdout


def point(gtp):
    """A GTP point as (x, y) counted from 1 at the top left; PASS is (0, 0)."""
    if gtp == 'PASS':
        return (0, 0)
    return (GTP_COLUMNS.index(gtp[0]) + 1, 20 - int(gtp[1:]))


def load(name):
    lines = open(os.path.join(HERE, name)).read().split('\n')
    handicap = [point(p) for p in lines[0].split()[1:]]
    moves = [(l.split()[0], point(l.split()[1])) for l in lines[2:] if l.strip()]
    return handicap, moves


def letters(p):
    return '' if p == (0, 0) else chr(96 + p[0]) + chr(96 + p[1])


# --- The commented tagged record -------------------------------------------------

HEADER = ('EV[모요스코프 연습기전]GN[ 자기대국 제1국]PB[그누고흑]BR[레벨3]PW[그누고백]WR[레벨3]'
          'DT[2026-12-08]PC[모요스코프 시험실]RE[흑 11집반 승]KO[6.5]HD[0]TM[1시간]LT[30]LC[3]'
          'TC[네 귀를 나눈 평범한 포석에서 출발해 중반에 좌변 끝의 긴 패싸움이 벌어진 한 판입니다. '
          '흑이 팻감마다 실리를 챙겨 11집반을 이겼습니다.]')

START_COMMENT = ('기보 해설을 시작합니다. 중반의 패싸움과 따낸 돌의 수, '
                 '그리고 참고도 두 개를 함께 살펴보세요.')

COMMENTS = {
    1: '흑이 우상귀 화점에서 첫 수를 둡니다. 어느 방향으로도 빠르게 펼칠 수 있는 무난한 출발입니다.',
    4: '흑백이 네 귀의 화점을 하나씩 나누어 가졌습니다. 서로 실리와 세력을 고르게 나눈 출발입니다.',
    10: '백이 3·3으로 귀를 굳혀 실리를 확실히 합니다. 흑은 바깥의 벽을 살려야 합니다.',
    19: '흑이 우변에 크게 벌려 우상귀와 우하귀를 잇는 모양을 갖춥니다.',
    113: '이 판의 첫 따냄입니다. 흑이 백 한 점을 잡아 좌상 쪽 흑돌의 근거가 튼튼해졌습니다.',
    158: '백이 흑 두 점을 따내어 좌변의 백이 살았습니다. 대신 흑은 선수를 잡았습니다.',
    186: '좌변 끝에서 패가 날 자리입니다. 흑이 패를 따낼지, 물러설지 결정해야 합니다.',
    187: '흑이 패를 따냈습니다. 이제 백은 팻감을 찾아야 합니다.',
    190: '백이 팻감을 쓴 뒤 패를 되따냈습니다. 흑도 팻감을 쓸 차례입니다.',
    197: '흑의 팻감입니다. 백이 받지 않으면 하변 백이 위험해집니다.',
    240: '백이 패를 이어 긴 패싸움이 끝났습니다. 그동안 흑은 팻감으로 곳곳의 끝내기를 챙겼습니다.',
}

# Reference diagrams, by the move they follow. A diagram repeats the game up to that
# move, which it shows unnumbered, then the variation (numbered from 1), labels and a note.
DIAGRAMS = {
    186: ([(3, 5), (5, 5), (7, 5), (6, 5)], [((1, 6), 'a'), ((8, 4), 'b')],
          '흑 1로 물러서면 패는 나지 않지만 백 2, 4로 중앙이 두터워집니다. '
          'A는 흑이 패를 따내는 곳, B는 나중에 끝내기로 둘 곳입니다.'),
    18: ([(10, 16), (12, 17), (7, 16)], [((17, 10), 'a'), ((10, 11), 'b')],
         '흑 1로 하변 백에 먼저 붙이는 것도 유력합니다. 백 2 다음 흑 3으로 벌리면 '
         'A의 벌림이나 B의 중앙이 다음 수입니다.'),
}


def diagram(moves, start, variation, labels, note):
    line = ''.join(';%s[%s]' % (c, letters(p)) for c, p in moves[:start])
    colour = 'W' if moves[start - 1][0] == 'B' else 'B'
    for p in variation:
        line += ';%s[%s]' % (colour, letters(p))
        colour = 'W' if colour == 'B' else 'B'
    line += ''.join(';L[%s%s]' % (letters(p), letter) for p, letter in labels)
    return 'RN[%d]PT[%d]%sC[%s])' % (start, start, line, note)


def tagged_record(moves):
    out = '(;' + HEADER + 'C[' + START_COMMENT + ']\n'
    for number, (colour, p) in enumerate(moves, 1):
        out += ';%s[%s]' % (colour, letters(p))
        if number in COMMENTS:
            out += 'C[%s]' % COMMENTS[number]
        if number in DIAGRAMS:
            out += diagram(moves, number, *DIAGRAMS[number])
        if number in COMMENTS or number in DIAGRAMS or number % 10 == 0:
            out += '\n'
    if moves[-1][1] == (0, 0):
        out += 'C[두 대국자가 모두 손을 빼어 대국이 끝났습니다. 흑 11집반 승.]'
    return out + ')\n'


# --- NGF records ---------------------------------------------------------------------

def ngf_record(title, white, black, handicap, komi, date, minutes, result, moves):
    lines = [title, '19', white, black, '모요스코프 시험실', str(handicap), '30 3', komi, date,
             str(minutes), result, str(len(moves))]
    for number, (colour, (x, y)) in enumerate(moves, 1):
        code = chr(65 + number // 26) + chr(65 + number % 26)
        lines.append('PM%s%s%s%s%s%s' % (code, colour, chr(65 + x), chr(65 + y), chr(65 + x),
                                           chr(65 + y)))
    return '\r\n'.join(lines) + '\r\n'


def write(path, text):
    with open(os.path.join(SAMPLES, path), 'wb') as f:
        f.write(cp949(text))


def main():
    _, moves = load('selfplay-even.moves')
    write('selfplay-commented-ko-fight.gib', tagged_record(moves))

    _, four = load('selfplay-four-stones.moves')
    write('selfplay-four-stone-handicap.ngf',
          ngf_record('모요스코프 접바둑 연습 4점', '그누고백 5단*', '그누고흑 1급', 4, '0',
                     '2026-12-08', 60, FOUR_STONE_RESULT, four))

    os.makedirs(os.path.join(SAMPLES, 'numbered'), exist_ok=True)
    _, two = load('selfplay-two-stones.moves')
    write('numbered/1001.ngf',
          ngf_record('모요스코프 접바둑 연습 2점', '그누고백 3단', '그누고흑 1단', 2, '0',
                     '2026-12-07', 90, TWO_STONE_RESULT, two))
    _, short = load('selfplay-even-short.moves')
    write('numbered/1002.ngf',
          ngf_record('모요스코프 연습기전 제2국', '그누고백 레벨3', '그누고흑 레벨3', 0, '6',
                     '2026-12-07', 45, '백 불계승>GNU Go final_score W+60.5', short))


FOUR_STONE_RESULT = '흑 12집반 승>GNU Go final_score B+12.5'
TWO_STONE_RESULT = '흑 36집반 승>GNU Go final_score B+36.5'

if __name__ == '__main__':
    main()
