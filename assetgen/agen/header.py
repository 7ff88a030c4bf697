"""The game's own numbers, read off its C++ headers, so that a place both the
game and a picture need (where a popup opens, where its text field sits) is
written once, in the header the game compiles.

A recipe reads them as `from src.machine.money_input import moneyPopupX`:
the names are the `constexpr int` constants of src/machine/money_input.h,
each a plain integer literal (`constexpr int x = 232, y = -4;`)."""
import re

_DECLARATION = re.compile(r"\bconstexpr\s+int\s+([^;{}()]+);")
_NAME = re.compile(r"[A-Za-z_]\w*$")
_LITERAL = re.compile(r"-?\d+$")


def code_only(text):
    """The C++ text with its // and /* */ comments left out and its string
    and character literals emptied (a declaration in either is not one)."""
    out, i, n = [], 0, len(text)
    while i < n:
        if text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            i = n if j < 0 else j + 2
            out.append(" ")
        elif text[i] in "\"'":
            j = i + 1
            while j < n and text[j] != text[i]:
                j += 2 if text[j] == "\\" else 1
            out.append(text[i] * 2)
            i = j + 1
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def int_constants(text):
    """({name: value} of the `constexpr int` constants set to an integer
    literal, {name: what it is set to} of those set to anything else)."""
    values, others = {}, {}
    for m in _DECLARATION.finditer(code_only(text)):
        for part in m.group(1).split(","):
            name, eq, value = (s.strip() for s in part.partition("="))
            if not eq or not _NAME.match(name):
                continue
            if _LITERAL.match(value):
                values[name] = int(value)
            else:
                others[name] = value
    return values, others


def header_constants(path, names):
    """{name: value} of each of `names` in the header at `path`; ImportError
    naming the header and the constant when one is missing or is not a plain
    integer."""
    try:
        with open(path, encoding="utf-8") as f:
            values, others = int_constants(f.read())
    except OSError as e:
        raise ImportError("cannot read %s: %s" % (path, e.strerror))
    out = {}
    for name in names:
        if name in values:
            out[name] = values[name]
        elif name in others:
            raise ImportError("%s sets %s to %r, not to a plain integer" % (path, name, others[name]))
        else:
            raise ImportError("%s declares no 'constexpr int %s'" % (path, name))
    return out
