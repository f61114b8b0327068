#!/usr/bin/env python3
"""Prints random decimal operations with their correctly rounded results, for the Decimal test.

Each line: OP A B SCALE RESULT, where OP is add, sub, mul or div, SCALE is "-" (38 significant
digits only) or the number of digits kept after the point, and RESULT is in plain notation without
trailing zeros. Rounding is ROUND_HALF_UP (halves away from zero), applied once to the exact value.
"""
import random
import sys
from decimal import ROUND_HALF_UP, Context, Decimal

seed = int(sys.argv[1]) if len(sys.argv) > 1 else 1
count = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
rng = random.Random(seed)
wide = Context(prec=200, rounding=ROUND_HALF_UP, Emax=10**6, Emin=-10**6)


def operand():
    digits = rng.randint(1, 38)
    mantissa = rng.randint(10 ** (digits - 1), 10 ** digits - 1)
    if rng.random() < 0.5:
        # Mantissas that end in 5s and 9s make ties and carries likely.
        mantissa = int(str(mantissa)[:-1] + rng.choice("59"))
    exponent = rng.randint(-20, 20)
    sign = "-" if rng.random() < 0.5 else ""
    return Decimal(f"{sign}{mantissa}E{exponent}")


def plain(d):
    if d == 0:
        return "0"
    d = wide.normalize(d)
    return format(d, "f")


def round_once(exact, scale):
    exponent = exact.adjusted() - 37
    if scale is not None:
        exponent = max(exponent, -scale)
    return exact.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_HALF_UP, context=wide)


ops = {"add": wide.add, "sub": wide.subtract, "mul": wide.multiply, "div": wide.divide}
out = []
for _ in range(count):
    op = rng.choice(list(ops))
    a, b = operand(), operand()
    scale = None if rng.random() < 0.5 else rng.randint(0, 12)
    exact = ops[op](a, b)
    result = Decimal(0) if exact == 0 else round_once(exact, scale)
    out.append(f"{op} {plain(a)} {plain(b)} {'-' if scale is None else scale} {plain(result)}")
sys.stdout.write("\n".join(out) + "\n")
