"""The walk both screen-reader tests take, as a blind user takes it, on the
desktop and in the browser alike: friction loss keyed by keyboard with a
hose key clicked, then the unit switch, then a message box; each step
checked by what the screen reader says."""


def friction_loss_heard(speech, check, xdo, click, unit_change):
    """Walks the calculator with `xdo` (xdotool's arguments) and `click` (a
    key by its accessible name). `unit_change` is what the unit switch says
    when it turns to metric."""

    def heard(what, phrase, seconds=30):
        check(f"spoken: {what}", speech.hear(phrase, seconds) is not None, True)

    # Friction loss: 150 gpm through 1 3/4 in hose, one line, 200 ft.
    click("Friction loss")
    heard("the first prompt", "FLOW GPM")
    xdo("type", "150")
    heard("the number typed", "150")
    xdo("key", "Return")
    heard("the hose prompt, the focus staying on Enter", "HOSE SIZE")
    # The first hose key in the tab order comes after Enter.
    xdo("key", "Tab")
    heard("a hose key with its metric size", "One and a quarter inch hose, 32 millimetres")
    click("One and three quarter inch hose, 45 millimetres")
    heard("the hose size shown", "1.75")
    xdo("key", "Return")
    heard("the siamese prompt", "SIAMESE")
    xdo("key", "Return")
    heard("the length prompt", "Length ft")
    xdo("type", "200")
    xdo("key", "Return")
    heard("the result", "PSI 70")

    click("English metric units")
    heard("the unit change", unit_change)

    xdo("type", "8/0=")
    heard("a message box's text", "SORRY DIVIDE ZERO")
    xdo("key", "Return")
