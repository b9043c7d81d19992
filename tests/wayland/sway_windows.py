#!/usr/bin/env python3
"""Lists the windows sway shows, one a line, from `swaymsg -t get_tree`:
    X Y WIDTH HEIGHT SHELL FOCUSED TITLE
X Y WIDTH HEIGHT: the client area in layout coordinates; SHELL: xdg_shell
(native) or xwayland; FOCUSED: 1 for the window with the keyboard focus.
Reads the tree from standard input.
"""

import json
import sys


def walk(node):
    if node.get("type") in ("con", "floating_con") and (node.get("app_id") is not None
                                                        or node.get("window") is not None):
        yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from walk(child)


def main():
    tree = json.load(sys.stdin)
    for node in walk(tree):
        if not node.get("visible", True):
            continue
        rect, inner = node["rect"], node["window_rect"]
        print(rect["x"] + inner["x"], rect["y"] + inner["y"], inner["width"], inner["height"],
              node.get("shell", "?"), 1 if node.get("focused") else 0, node.get("name") or "")


if __name__ == "__main__":
    main()
