#!/usr/bin/env python3
"""Writes the formdriver script of the behaviour record: every problem of the nine topic windows on
its default data and on bad and degenerate data, the ranges, the main window and the help viewers.

Run it from the repository root with a built driver when a window gains or loses a control:
    python3 tests/golden/make_script.py build/tests/formdriver > tests/golden/record.script
"""
import json
import subprocess
import sys

NUMBER_BAD = ["", "abc", "1/0", "y", "10^400", "0", "-1", "1e300", "2^-1", "3,14"]
EQUATION_BAD = ["", "abc", "1/0", "x=x", "1=1", "2x+3y", "x=1", "y=2", "x+y=0", "x^2+y^2=4",
                "x^2+y^2=-1", "(x-1)^2+(y-2)^2=0", "x^2+y^2+2xy=1", "x^2=1", "y=x*10^(20)"]
RANGE_CASES = [("Xmin", "a"), ("Xmax", ""), ("Ymin", "-10,5"), ("Ymax", "1E+3"), ("Xmax", "-10"),
               ("Xmin", "-3E+38"), ("Ymax", "60"), ("Xmin", "9.5")]
RANGE_BOXES = {"Xmin", "Xmax", "Ymin", "Ymax"}


def controls(driver, form):
    out = subprocess.run([driver], input=f"show {form}\ndump {form}\n", capture_output=True,
                         text=True, check=True).stdout.splitlines()
    return json.loads(out[-1])["controls"]


def groups(ctrls):
    """Problem frames as (inputs, options, buttons), in the order the window declares them."""
    result, inputs, options, buttons = [], [], [], []
    for name, c in ctrls.items():
        if c["kind"] == "button" and c["caption"] in ("Dados", "Resolver"):
            buttons.append(name)
            continue
        if buttons:
            result.append((inputs, options, buttons))
            inputs, options, buttons = [], [], []
        if c["kind"] == "textbox" and c["visible"] and name not in RANGE_BOXES \
                and not name.startswith("Resultado"):
            inputs.append((name, c["text"]))
        elif c["kind"] == "option":
            options.append(name)
    if buttons:
        result.append((inputs, options, buttons))
    return result


def is_equation(text):
    return any(ch in text for ch in "xy=")


def main():
    driver = sys.argv[1]
    lines = []
    emit = lines.append

    def record(form):
        emit("messages")
        emit(f"dump {form}")
        emit(f"drawing {form}")
        emit("shared")

    def fresh(form):
        emit(f"unload {form}")
        emit(f"show {form}")
        emit("messages")

    emit("dump Form11")
    emit("drawing Form11")
    for form in [f"Form{i}" for i in range(1, 10)]:
        ctrls = controls(driver, form)
        emit(f"# {form}")
        emit(f"show {form}")
        record(form)
        frames = groups(ctrls)
        every_button = [b for _, _, bs in frames for b in bs]
        for _, options, _ in frames:
            for option in options:
                emit(f"choose {form}.{option}")
                for b in every_button:
                    emit(f"click {form}.{b}")
                    record(form)
        fresh(form)
        for inputs, options, buttons in frames:
            for name, default in inputs:
                bad = EQUATION_BAD if is_equation(default) else NUMBER_BAD
                for value in bad:
                    emit(f"set {form}.{name} {value}")
                    for b in buttons:
                        emit(f"click {form}.{b}")
                        record(form)
                emit(f"set {form}.{name} {default}")
            # Degenerate frames: every number box alike, every equation box alike.
            numbers = [n for n, d in inputs if not is_equation(d)]
            equations = [(n, d) for n, d in inputs if is_equation(d)]
            for value in ["0", "1"]:
                for n in numbers:
                    emit(f"set {form}.{n} {value}")
                for option in options or [None]:
                    if option:
                        emit(f"choose {form}.{option}")
                    for b in buttons:
                        emit(f"click {form}.{b}")
                        record(form)
            if len(equations) > 1:
                for n, _ in equations:
                    emit(f"set {form}.{n} {equations[0][1]}")
                for b in buttons:
                    emit(f"click {form}.{b}")
                    record(form)
            fresh(form)
        emit("tick {}.DesenharGrelha 1".format(form))
        record(form)
        for box, value in RANGE_CASES:
            emit(f"set {form}.{box} {value}")
            emit(f"activate Form11")
            emit(f"activate {form}")
            record(form)
            if every_button:
                emit(f"click {form}.{every_button[-1]}")
                record(form)
            for spinner in ["UpDown1", "UpDown2", "UpDown3", "UpDown4"]:
                emit(f"up {form}.{spinner}")
                emit(f"down {form}.{spinner}")
                emit("messages")
            fresh(form)
        emit(f"unload {form}")
    for form in ["Form10", "Form12", "Form13", "Form14"]:
        emit(f"show {form}")
        emit(f"dump {form}")
        emit(f"hide {form}")
    emit("forms")
    print("\n".join(lines))


if __name__ == "__main__":
    main()
