# The rule of the red/black gamble after a spin-for-cash wheel, written on the
# bonus screen's background: the screen writes nothing of its own, so the
# caption says all a player needs to know.
RULE = ["The wheel pays the prize it stops on. Then:",
        "Pick RED or BLACK, and the wheel spins again.",
        "Your colour comes up: what you have doubles.",
        "The other colour comes up: you lose it all.",
        "TAKE keeps what you have."]


def gamble_rule(x, top, width, title_color="lightgold", color="cream"):
    """Text elements: a heading and the rule's lines, left-aligned from x,
    the heading's middle at top, each line within width."""
    els = [dict(text="DOUBLE OR NOTHING", at=[x, top], anchor="lm", size=19, color=title_color, font="serif-bold",
                outline="black", max_w=width)]
    for k, line in enumerate(RULE):
        els.append(dict(text=line, at=[x, top + 24 + 20 * k], anchor="lm", size=15, color=color, font="sans-bold",
                        max_w=width, table="gamble rule"))
    return els
