# "cursed": a haunted three-reel machine with arrow symbols and a
# progressive jackpot for three curses at three coins.
from _progressive import METER
FOLDER = "gfx/cursed"
LOOKS = dict(cursed=dict(glyph="emoji", emoji="skull", ring="black", rim="violet"),
             thing=dict(glyph="emoji", emoji="ghost"))
LEAD = "cursed"   # the lobby's picture of this machine
ITEMS = [
    dict(kind="cabinet", looks=LOOKS, title="CURSED", colors=["charcoal", "black"], panel="charcoal", progressive=True, holds=[METER],
         title_font="serif-italic",
         pays=[["3 CURSES, 3 COINS", "JP", "cursed cursed cursed"], ["3 CURSES", 500, "cursed cursed cursed"], ["3 GREEN 7s *", 300], ["3 BLUE 7s *", 200],
               ["3 SILVER 7s *", 100], ["ANY 3 SEVENS", 40, "silver7 blue7 green7"], ["3 TRIPLE BAR", 30], ["3 DOUBLE BAR", 20],
               ["3 BAR", 10], ["3 GHOSTS", 10, "thing thing thing"], ["ANY 3 BARS", 5], ["2 GHOSTS", 5, "thing thing"], ["1 GHOST", 3, "thing"]],
         pays_note="* AT 1 COIN",
         elements=[
             # matching sevens at two and three coins pay for the whole bet
             dict(box=[20, 458, 590, 96], fill="charcoal", outline="gold", width=2, radius=6),
             dict(text="3 MATCHING SEVENS PAY FOR THE BET", at=[315, 476], anchor="mm", size=14,
                  color="lightgold", font="sans-bold"),
             dict(text="2 COINS:  SILVER 150   BLUE 250   GREEN 350", at=[315, 504], anchor="mm", size=15,
                  color="cream", font="sans-bold"),
             dict(text="3 COINS:  SILVER 200   BLUE 300   GREEN 400", at=[315, 530], anchor="mm", size=15,
                  color="cream", font="sans-bold"),
         ],
         feature=dict(symbol="cursed", lines=["3 CURSES AT", "3 COINS WIN"], big="JACKPOT"),
         bottom="BEWARE THE ARROWS ... AND THE CURSE"),
    dict(kind="symbolset", symbols=[["blank", 8], ["cursed", 2], ["bar", 1], ["2bar", 1], ["3bar", 1],
                                    ["silver7", 1], ["blue7", 2], ["green7", 1], ["thing", 1],
                                    ["arrowdown_2bar", 3], ["arrowdown_bar", 3], ["arrowdown_green7", 3],
                                    ["arrowup_2bar", 3], ["arrowup_3bar", 3], ["arrowup_bar", 3],
                                    ["arrowup_silver7", 3], ["arrowup_thing", 3]],
         looks=LOOKS),
]
