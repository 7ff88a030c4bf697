# "gloamerhouse" (Gloamer House): a progressive machine that pays for
# blanks too; three gloamers at three coins win the progressive.
FOLDER = "gfx/gloamerhouse"
ITEMS = [
    dict(kind="cabinet", title="GLOAMER HOUSE", colors=["purple", "black"], panel="darkburgundy", progressive=True,
         pays=[["3 GLOAMERS (3 COINS)", "PROG."], ["3 SEVENS", "BIG"], ["3 TRIPLE BAR", "PAYS"],
               ["3 BLANKS", 2]],
         pays_title="PAYS BY THE BET",
         feature=dict(symbol="gloamer", symbol_params=dict(glyph="token", label="G", shape="circle",
                                                           color="navy", border="violet", text="lightgold"),
                      lines=["3 GLOAMERS AT", "3 COINS WIN"], big="JACKPOT"),
         bottom="EVEN THE BLANKS PAY AT GLOAMER HOUSE"),
    dict(kind="symbolset", symbols=[["blank", 10], ["bar", 2], ["2bar", 2], ["3bar", 2], ["7", 2], ["gloamer", 2]],
         looks=dict(gloamer=dict(glyph="token", label="G", shape="circle", color="navy", border="violet",
                                 text="lightgold"))),
]
