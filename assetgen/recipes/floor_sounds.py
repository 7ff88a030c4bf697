# Sounds of the casino floor: the cashier's reminder, the marquee's whoosh,
# the form's refusal, the cash drawer and the menu's tab click.
FOLDER = "sounds"
ITEMS = [
    {"kind": "jingle", "file": "lobyneed.wav", "notes": "E5 C5 - E5 C5 G4:2", "tempo": 7, "wave": "bell"},
    {"kind": "fx", "file": "whoosh.wav", "preset": "whoosh", "length": 0.5},
    {"kind": "fx", "file": "buzz.wav", "preset": "buzz", "pitch": 140, "length": 0.3},
    {"kind": "mix", "file": "cashreg.wav", "layers": [
        {"kind": "fx", "preset": "ratchet", "length": 0.25, "at": 0.0},
        {"kind": "jingle", "notes": "C6 E6:2", "tempo": 10, "wave": "bell", "at": 0.22},
        {"kind": "fx", "preset": "coin", "length": 0.3, "at": 0.3},
    ]},
    {"kind": "click", "file": "menuclick.wav", "pitch": 2200, "length": 0.03},
]
