#!/usr/bin/env python3
"""Prints random converter cases, one a line: TYPED RATE ONE TWO.

TYPED is keypad input (at most 38 digits, a lone leading zero not counted, at most one "."), RATE a
positive rate with up to 10 decimals; ONE = TYPED x RATE and TWO = TYPED / RATE, each rounded once,
ROUND_HALF_UP, to 2 decimals (or to 38 significant digits when coarser; or, where 2 decimals would
give 0 for a result that is not, to 3 significant digits), plain, no trailing zeros.
"""
import random
import sys
from decimal import ROUND_HALF_UP, Context, Decimal

seed = int(sys.argv[1]) if len(sys.argv) > 1 else 1
count = int(sys.argv[2]) if len(sys.argv) > 2 else 200
rng = random.Random(seed)
# Wide enough that products are exact and quotients carry far more digits than the rounding needs.
wide = Context(prec=200, rounding=ROUND_HALF_UP, Emax=10**6, Emin=-10**6)


def typed_amount():
    digits = rng.randint(1, 38)
    fraction = 0 if rng.random() < 0.4 else rng.randint(1, digits)
    integer = digits - fraction
    text = str(rng.randint(10 ** (integer - 1), 10 ** integer - 1)) if integer else "0"
    if fraction:
        # Fractions ending in zeros check that typed zeros stay on display.
        tail = "".join(rng.choice("0123456789") for _ in range(fraction))
        if rng.random() < 0.2:
            tail = tail[:-1] + "0"
        text += "." + tail
    return text


def rate():
    digits = rng.randint(1, 15)
    mantissa = rng.randint(1, 10 ** digits - 1)
    if rng.random() < 0.3:
        # Rates ending in 5 make exact halves likely.
        mantissa = mantissa * 10 + 5
    return wide.normalize(Decimal(mantissa).scaleb(-rng.randint(0, 10)))


def plain(d):
    if d == 0:
        return "0"
    return format(wide.normalize(d), "f")


def round_once(exact):
    if exact == 0:
        return Decimal(0)
    exponent = max(exact.adjusted() - 37, -2)
    rounded = exact.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_HALF_UP, context=wide)
    if rounded == 0:
        rounded = exact.quantize(Decimal(1).scaleb(exact.adjusted() - 2), rounding=ROUND_HALF_UP, context=wide)
    return rounded


for _ in range(count):
    typed = typed_amount()
    r = rate()
    amount = Decimal(typed)
    one = round_once(wide.multiply(amount, r))
    two = round_once(wide.divide(amount, r))
    print(typed, plain(r), plain(one), plain(two))
