#!/usr/bin/env python3
"""The map of which folder of the program uses which, read from CMake.

CMake's file API (the codemodel a configured build directory holds) gives every target,
the folder it is defined in and the targets it depends on. Folders of the program are
those whose targets go into the programs; tests, benchmarks and tools are left out.

    scripts/layout.py BUILD_DIR            check docs/layout.md's map and the layering
    scripts/layout.py BUILD_DIR --write    rewrite the map in docs/layout.md

Fails (exit 1) on a circle between folders, or when the map in the document is not the one
CMake gives.
"""
import argparse
import json
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
DOC = ROOT / "docs" / "layout.md"
BEGIN = "<!-- the map below is written by scripts/layout.py from CMake; do not edit it -->"
END = "<!-- end of the map -->"
LEFT_OUT = ("tests", "bench", "fuzz", "tools", "resources")


def codemodel(build):
    reply = build / ".cmake" / "api" / "v1" / "reply"
    index = sorted(reply.glob("index-*.json"))
    if not index:
        # CMake answers a query on the run after the one that asked (the first configure).
        query = build / ".cmake" / "api" / "v1" / "query" / "codemodel-v2"
        query.parent.mkdir(parents=True, exist_ok=True)
        query.touch()
        subprocess.run(["cmake", str(build)], check=True, stdout=subprocess.DEVNULL)
        index = sorted(reply.glob("index-*.json"))
    objects = json.loads(index[-1].read_text())["objects"]
    model = next(o for o in objects if o["kind"] == "codemodel")
    return reply, json.loads((reply / model["jsonFile"]).read_text())


def folder_graph(build):
    """{folder: set of folders it uses}, {folder: [its targets]}."""
    reply, model = codemodel(build)
    configuration = model["configurations"][0]
    folder_of_target, targets_of_folder, depends = {}, {}, {}
    for entry in configuration["targets"]:
        target = json.loads((reply / entry["jsonFile"]).read_text())
        folder = target["paths"]["source"]
        if folder == "." or folder.startswith(LEFT_OUT) or target["type"] in ("UTILITY", "OBJECT_LIBRARY"):
            continue
        folder_of_target[target["id"]] = folder
        targets_of_folder.setdefault(folder, []).append(target["name"])
        depends[target["id"]] = [d["id"] for d in target.get("dependencies", [])]
    uses = {folder: set() for folder in targets_of_folder}
    for target, on in depends.items():
        for other in on:
            if other in folder_of_target and folder_of_target[other] != folder_of_target[target]:
                uses[folder_of_target[target]].add(folder_of_target[other])
    return uses, {f: sorted(t) for f, t in targets_of_folder.items()}


def layers(uses):
    """Each folder's layer: 0 uses nothing, else one above the highest it uses. None on a
    circle."""
    layer, visiting = {}, set()

    def visit(folder):
        if folder in layer:
            return layer[folder]
        if folder in visiting:
            return None
        visiting.add(folder)
        below = [visit(used) for used in uses[folder]]
        visiting.discard(folder)
        if None in below:
            return None
        layer[folder] = 1 + max(below, default=-1)
        return layer[folder]

    for folder in uses:
        if visit(folder) is None:
            return None
    return layer


def implied(uses, folder, used):
    """True when folder reaches used through another folder it uses."""
    stack = [u for u in uses[folder] if u != used]
    seen = set(stack)
    while stack:
        current = stack.pop()
        if current == used:
            return True
        for next_folder in uses[current] - seen:
            seen.add(next_folder)
            stack.append(next_folder)
    return False


def render(uses, targets, layer):
    order = sorted(uses, key=lambda f: (layer[f], f))
    lines = [BEGIN, "", "```mermaid", "flowchart BT"]
    for folder in order:
        lines.append(f"    {folder}[{folder}/]")
    for folder in order:
        for used in sorted(uses[folder], key=lambda f: (layer[f], f)):
            if not implied(uses, folder, used):
                lines.append(f"    {folder} --> {used}")
    lines += ["```", "", "| layer | folder | targets | uses, directly or through another |", "|---|---|---|---|"]
    for folder in order:
        used = ", ".join(f"`{u}/`" for u in sorted(uses[folder], key=lambda f: (layer[f], f)))
        lines.append(f"| {layer[folder]} | `{folder}/` | "
                     f"{', '.join(f'`{t}`' for t in targets[folder])} | {used or 'nothing'} |")
    lines += ["", END]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", type=pathlib.Path)
    parser.add_argument("--write", action="store_true")
    args = parser.parse_args()
    uses, targets = folder_graph(args.build)
    layer = layers(uses)
    if layer is None:
        print("the folders use each other in a circle:", uses, file=sys.stderr)
        return 1
    text = DOC.read_text()
    if BEGIN not in text or END not in text:
        print(f"{DOC}: the map's markers are missing", file=sys.stderr)
        return 1
    start, end = text.index(BEGIN), text.index(END) + len(END)
    current = render(uses, targets, layer)
    if args.write:
        DOC.write_text(text[:start] + current + text[end:])
        return 0
    if text[start:end] != current:
        print(f"{DOC}: the map is not the one CMake gives; run scripts/layout.py "
              "BUILD_DIR --write", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
