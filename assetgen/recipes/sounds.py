# Every sound clip of the game, in one table: the shell's and floor's common
# sounds first, then the machines' intros, wins and effects by theme.
# Loops (marked LOOP) are played looping by the game and are built seamless.
FOLDER = "sounds"

_INTRO = dict(kind="jingle", wave="bell", tempo=9)
_JACK = dict(kind="chime", step=0.07, sparkle=True)
_VOICE = dict(kind="fx", preset="voice")
_ANIMAL = dict(kind="fx", preset="animal")

ITEMS = [
    # ---- shell, floor and every machine -------------------------------------------------
    dict(kind="jingle", file="welcome.wav",  notes="C5 E5 G5 C6:2 G5 C6+E6:4", tempo=7),       # first run
    dict(kind="jingle", file="lobybaks.wav", notes="G4 C5 E5 G5:3", tempo=7),                   # greeting (male)
    dict(kind="jingle", file="lobybakm.wav", notes="E5 G5 C6 E6:3", tempo=7),                   # greeting (others)
    dict(kind="loop",   file="lobbysnd.wav", length=8.0, chords=[["C3", "E3", "G3", "B3"], ["F3", "A3", "C4", "E4"]],
         murmur=0.25, swell=4),                                                                 # LOOP lobby
    dict(kind="loop",   file="slotamb.wav",  length=6.0, chords=[["D3", "A3", "F#4"], ["G3", "D4", "B4"]],
         murmur=0.15, swell=3),                                                                 # LOOP machines, cashier
    dict(kind="loop",   file="prize.wav",    length=6.0, chords=[["C4", "E4", "G4", "C5"], ["A3", "C4", "E4", "A4"]],
         swell=6),                                                                              # LOOP prize room, stats
    dict(kind="fx",     file="onepull.wav",  preset="ratchet", length=0.35),                   # every pull
    dict(kind="click",  file="slothit1.wav", pitch=700, length=0.09, thud=True),               # a reel stops
    # one count-up tick; played looping it ticks ten times a second
    dict(kind="loop",   file="digicnt.wav",  length=0.1, notes=["C5"], ticks=1, pitch=2400),
    dict(kind="fx",     file="pop.wav",      preset="pop", length=0.1),
    dict(kind="click",  file="click3.wav",   pitch=1500, length=0.04),                         # button click
    dict(kind="click",  file="pick.wav",     pitch=2200, length=0.05),
    dict(kind="fx",     file="coinin1.wav",  preset="coin", length=0.5),                       # money popup
    dict(kind="mix",    file="coindrp4.wav", layers=[dict(kind="fx", preset="coin", at=0.0),
                                                      dict(kind="fx", preset="coin", at=0.12),
                                                      dict(kind="fx", preset="coin", at=0.2),
                                                      dict(kind="fx", preset="coin", at=0.33)]),  # cash out
    dict(kind="fx",     file="elecdrp3.wav", preset="fall", length=0.45),                      # video slot cash out
    dict(kind="fx",     file="elecreel.wav", preset="hum", length=1.0, pitch=96, volume=0.4),  # LOOP video reels spinning
    dict(kind="loop",   file="elecbuzz.wav", length=1.0, notes=["A2"], wave="saw", pulse=12),  # LOOP electric buzz
    dict(kind="fx",     file="slidewh.wav",  preset="rise", length=0.6),
    dict(kind="mix",    file="cashopen.wav", layers=[dict(kind="fx", preset="ratchet", length=0.25, at=0),
                                                      dict(kind="chime", steps=1, base="E6", at=0.22)]),  # cashier
    dict(kind="mix",    file="cashrng2.wav", layers=[dict(kind="chime", steps=1, base="A6", at=0),
                                                      dict(kind="fx", preset="coin", at=0.15)]),

    # ---- wins, from small to big ----------------------------------------------------------
    dict(kind="jingle", file="fanfare.wav", notes="C5 C5 C5 E5:2 C5 E5 G5:4", tempo=8, wave="saw"),
    dict(kind="jingle", file="orchit1.wav", notes="C4+E4+G4+C5:3", tempo=6, wave="saw"),
    dict(kind="jingle", file="orchit2.wav", notes="F4+A4+C5+F5:3", tempo=6, wave="saw"),
    dict(kind="jingle", file="orchit3.wav", notes="G4+B4+D5+G5:3", tempo=6, wave="saw"),
    dict(kind="jingle", file="gliss.wav", notes="C5 D5 E5 F5 G5 A5 B5 C6:3", tempo=22),
    dict(kind="fx",     file="tympani.wav", preset="drum", hits=6, gap=0.09, length=0.9),
    dict(kind="fx",     file="bjdrum.wav", preset="drum", hits=10, gap=0.08, length=1.2),
    dict(kind="fx",     file="bjdrumsht.wav", preset="drum", hits=4, gap=0.08, length=0.6),
    dict(kind="fx",     file="gong.wav", preset="gong", length=2.0),
    dict(kind="fx",     file="horn1.wav", preset="horn", note="A3", length=0.5),
    dict(kind="fx",     file="horn2.wav", preset="horn", note="C4", length=0.5),
    dict(kind="fx",     file="horn3.wav", preset="horn", note="E4", length=0.7),

    # ---- machine intros (played once when a machine opens) ---------------------------------
    dict(_INTRO, file="3diceint.wav",  notes="E5 E5 G5 C6:2"),
    dict(_INTRO, file="doubint.wav",   notes="D5 F#5 A5 D6:2"),
    dict(_INTRO, file="doubintr.wav",  notes="D5 A5 F#5 D6:2"),
    dict(_INTRO, file="crazyint.wav",  notes="C5 D#5 G5 C6 G5 C6:2", wave="square"),
    dict(_INTRO, file="bitsintr.wav",  notes="C6 G5 E5 C5 E5 G5 C6:2", wave="square", tempo=12),
    dict(_INTRO, file="techintr.wav",  notes="A5 E5 A5 C6 E6:2", wave="square", tempo=12),
    dict(_INTRO, file="circintr.wav",  notes="G4 C5 E5 G5 E5 C5 G5:2", tempo=10),
    dict(_INTRO, file="cowsint.wav",   notes="G4 G4 A4 G4 C5 B4:2", wave="triangle"),
    dict(_INTRO, file="dpseintr.wav",  notes="C4 D#4 G4 C5:2 A#4 G4:2", wave="sine", tempo=6),
    dict(_INTRO, file="dragonin.wav",  notes="A4 C5 D5 E5 G5 A5:2", tempo=8),
    dict(_INTRO, file="egyptintr.wav", notes="E4 F4 G#4 A4 B4 C5 B4 A4:2", wave="triangle", tempo=8),
    dict(_INTRO, file="getintr.wav",   notes="G4 A#4 C5 D5 F5 G5:2", wave="saw", tempo=9),
    dict(_INTRO, file="holeintr.wav",  notes="C5 E5 D5 F5 E5 G5:2"),
    dict(_INTRO, file="jazzintr.wav",  notes="C5 D#5 E5 G5 A5 G5:2", wave="triangle"),
    dict(_INTRO, file="magicint.wav",  notes="C6 E6 G#6 C7 G#6 E6 C7:2", tempo=12),
    dict(_INTRO, file="mounintr.wav",  notes="C5 F5 A5 C6 A5 F5:2", wave="triangle"),
    dict(_INTRO, file="newintr.wav",   notes="C5 E5 G5 B5 C6:2"),
    dict(_INTRO, file="newintr1.wav",  notes="D5 F#5 A5 C#6 D6:2"),
    dict(_INTRO, file="newintr3.wav",  notes="E5 G#5 B5 D#6 E6:2"),
    dict(_INTRO, file="newintr5.wav",  notes="F5 A5 C6 E6 F6:2"),
    dict(_INTRO, file="raceint.wav",   notes="C5 C5 C5 G5:3", wave="square", tempo=7),
    dict(_INTRO, file="waintro.wav",   notes="G5 E5 C5 E5 G5 C6:2"),
    dict(_INTRO, file="whelintr.wav",  notes="C5 E5 G5 C6 E6 G6:2", tempo=12),
    dict(_INTRO, file="zoointr.wav",   notes="F4 A4 C5 F5 C5 A4 F5:2", wave="triangle"),
    dict(_INTRO, file="circus.wav",    notes="G5 F#5 G5 E5 C5 E5 G5 C6:2", tempo=10),
    dict(_INTRO, file="dixie.wav",     notes="C5 A4 F4 F4 F4 G4 A4 A#4 C5 C5 C5 A4:2", tempo=8),
    dict(_INTRO, file="dixishrt.wav",  notes="C5 A4 F4 G4 A4:2", tempo=8),
    dict(_INTRO, file="jazzy.wav",     notes="C5 E5 G5 A#5 A5 G5 E5 C5:2", wave="triangle", tempo=8),
    dict(_INTRO, file="egypt.wav",     notes="A4 A#4 C#5 D5 E5 F5 G#5 A5:2", wave="triangle", tempo=9),
    dict(_INTRO, file="gloamsnd.wav",  notes="A3 C4 D#4 A4:3", wave="saw", tempo=4),
    dict(_INTRO, file="horror.wav",    notes="A3+D#4 A3+D#4:2 G#3+D4:4", wave="saw", tempo=4),
    dict(_INTRO, file="horrshrt.wav",  notes="A3+D#4:3", wave="saw", tempo=4),
    dict(_INTRO, file="scary.wav",     notes="E3 F3 E3 F3 E3 F3:3", wave="saw", tempo=6),
    dict(_INTRO, file="jaws.wav",      notes="E2 F2 - E2 F2 - E2 F2 E2 F2:2", wave="saw", tempo=5),
    dict(_INTRO, file="crazy8.wav",    notes="C5 E5 G5 C6 G5 C6:2", wave="square", tempo=10),
    dict(_INTRO, file="patshrt.wav",   notes="G4 C5 E5 G5:2", wave="square", tempo=8),
    dict(_INTRO, file="holeinone.wav", notes="C5 E5 G5 C6 E6 G6 C7:3", tempo=10),
    dict(_INTRO, file="hlinone2.wav",  notes="G5 C6 E6 G6:3", tempo=8),

    # ---- jackpots (big rising chimes) -------------------------------------------------------
    dict(_JACK, file="3dicejack.wav", steps=8),
    dict(_JACK, file="bitsjack.wav", steps=7, base="D5"),
    dict(_JACK, file="cowsjack.wav", steps=8, base="F5"),
    dict(_JACK, file="doubjack.wav", steps=8, base="D5"),
    dict(_JACK, file="dragonjk.wav", steps=9, base="A4"),
    dict(_JACK, file="magicjak.wav", steps=9, base="E5"),
    dict(_JACK, file="mounjack.wav", steps=8, base="F5"),
    dict(_JACK, file="newjack2.wav", steps=6),
    dict(_JACK, file="newjack3.wav", steps=7),
    dict(_JACK, file="newjack5.wav", steps=9),
    dict(_JACK, file="patjack.wav", steps=9, base="G4"),
    dict(_JACK, file="racejack.wav", steps=9, base="C5"),
    dict(_JACK, file="techjack.wav", steps=8, base="A4"),
    dict(_JACK, file="wajackpt.wav", steps=10, base="C5"),
    dict(_JACK, file="wheeljack.wav", steps=9, base="E5"),
    dict(_JACK, file="zoojack.wav", steps=8, base="G5"),

    # ---- voices and animals ---------------------------------------------------------------
    dict(_VOICE, file="ohh.wav", pitch=220, length=0.7),
    dict(_VOICE, file="wawawahh.wav", pitch=140, length=1.6),
    dict(_VOICE, file="yeo.wav", pitch=260, length=0.5),
    dict(_VOICE, file="skincaug.wav", pitch=200, length=0.7),
    dict(_VOICE, file="skindont.wav", pitch=180, length=0.6),
    dict(_VOICE, file="skinwow.wav", pitch=240, length=0.6),
    dict(_VOICE, file="dpsedooz.wav", pitch=150, length=0.7),
    dict(_VOICE, file="dpsentb.wav", pitch=170, length=0.6),
    dict(_VOICE, file="dpseoooo.wav", pitch=210, length=1.0),
    dict(_VOICE, file="dpseyall.wav", pitch=190, length=0.8),
    dict(kind="loop", file="yodel1.wav", length=2.0, notes=["G4", "D5"], vibrato=6),     # LOOP mountain climb
    dict(kind="loop", file="yodel2.wav", length=2.0, notes=["A4", "E5"], vibrato=5),     # LOOP
    dict(kind="loop", file="yodel3.wav", length=2.0, notes=["F4", "C5"], vibrato=7),     # LOOP
    dict(_ANIMAL, file="ape.wav", pitch=260, length=0.6),
    dict(_ANIMAL, file="chimp.wav", pitch=420, length=0.5),
    dict(_ANIMAL, file="cow.wav", pitch=110, length=1.0),
    dict(_ANIMAL, file="pigrunt.wav", pitch=150, length=0.4),
    dict(kind="fx", file="growl.wav", preset="roar", length=0.8),
    dict(kind="fx", file="roar.wav", preset="roar", length=1.0),
    dict(kind="fx", file="bigroar.wav", preset="roar", length=1.6),
    dict(_ANIMAL, file="howls.wav", pitch=380, length=1.4),
    dict(kind="mix", file="cowbell.wav", layers=[dict(kind="chime", steps=1, base="A5", at=0),
                                                 dict(kind="chime", steps=1, base="A#5", at=0.01)]),
    dict(kind="fx", file="stampede.wav", preset="drum", hits=14, gap=0.07, length=1.2),

    # ---- effects ----------------------------------------------------------------------------
    dict(kind="fx", file="balpop.wav", preset="pop", length=0.1),
    dict(kind="fx", file="balletgo.wav", preset="rise", length=0.5),
    dict(kind="fx", file="bogyclap.wav", preset="clap", length=0.6),
    dict(kind="fx", file="parclap.wav", preset="clap", length=1.0),
    dict(kind="fx", file="boing.wav", preset="boing", length=0.6),
    dict(kind="fx", file="carcrash.wav", preset="crash", length=1.2),
    dict(kind="fx", file="shrtcrash.wav", preset="crash", length=0.5),
    dict(kind="fx", file="dice2.wav", preset="ratchet", length=0.4),
    dict(kind="fx", file="enginrev.wav", preset="engine", length=1.2),
    dict(kind="fx", file="race1.wav", preset="engine", length=1.0),
    dict(kind="fx", file="race2.wav", preset="engine", length=1.5),
    dict(kind="fx", file="flames.wav", preset="splash", length=0.9),
    dict(kind="click", file="golfclub.wav", pitch=500, length=0.1, thud=True),
    dict(kind="click", file="apple.wav", pitch=800, length=0.12),
    dict(kind="fx", file="sparks.wav", preset="clap", length=0.6),
    # the sea under the fishing bonus, looped all through it: waves washing in and out
    dict(kind="loop", file="splash2.wav", length=4.0, notes=["C2", "G2"], murmur=0.6, swell=2, volume=0.3),   # LOOP
    dict(kind="fx", file="thunder.wav", preset="thunder", length=2.0),
    dict(kind="fx", file="shrtthun.wav", preset="thunder", length=0.8),
    dict(kind="fx", file="thwomp.wav", preset="drum", hits=1, length=0.4),
    dict(kind="mix", file="shrtwrks.wav", layers=[dict(kind="fx", preset="pop", at=0), dict(kind="fx", preset="clap", length=0.4, at=0.08),
                                                  dict(kind="fx", preset="pop", at=0.3), dict(kind="fx", preset="clap", length=0.4, at=0.38)]),
    dict(kind="fx", file="magicfx1.wav", preset="zap", length=0.4),
    dict(kind="fx", file="magicfx2.wav", preset="rise", length=0.5),
    dict(kind="jingle", file="magicfx3.wav", notes="C7 G6 E6 C6", tempo=16),
    dict(kind="jingle", file="magicfx7.wav", notes="E6 G#6 C7 E7", tempo=16),
    dict(kind="fx", file="magicfx8.wav", preset="whoosh", length=0.7),
    dict(kind="fx", file="mgfx1.wav", preset="zap", length=0.25),
    dict(kind="jingle", file="mgfx3.wav", notes="C6 E6 G6 C7:2", tempo=14),
    dict(kind="fx", file="mgfx4.wav", preset="fall", length=0.4),
    dict(kind="loop", file="magicloop.wav", length=4.0, chords=[["C5", "E5", "G#5"], ["D5", "F#5", "A#5"]], vibrato=4),  # LOOP
    dict(kind="loop", file="wheeloop.wav", length=1.0, notes=["C4"], ticks=12, pitch=1800),   # LOOP wheel turning
    dict(kind="loop", file="dpseabonus.wav", length=6.0, chords=[["C3", "G3", "D#4"], ["A#2", "F3", "D4"]], murmur=0.3),  # LOOP
    # the fishing bonus begins: a call to the fish, played once
    dict(kind="jingle", file="dpseacom1.wav", notes="C5 D#5 G5 C6:2 G5 C6:3", tempo=8, wave="bell"),
    dict(kind="fx", file="dpseafx1.wav", preset="bubble", length=0.8),
    dict(kind="fx", file="dpseafx2.wav", preset="bubble", length=1.2),
    dict(kind="jingle", file="dpsehold.wav", notes="C4 C4 - C5:3", tempo=8, wave="square", volume=0.5),
    dict(kind="chime", file="dpsebaby.wav", steps=2, base="G5"),
    dict(kind="chime", file="dpsebig1.wav", steps=5, base="C5"),
    dict(kind="chime", file="dpsehuge.wav", steps=9, base="C5"),
    dict(kind="jingle", file="dpsegot.wav", notes="G5 C6:2", tempo=8),
    dict(kind="jingle", file="dpsegot1.wav", notes="E5 G5 C6:2", tempo=8),
    dict(kind="jingle", file="dpsegotm.wav", notes="C5 E5 G5 C6 E6:3", tempo=9),
]
