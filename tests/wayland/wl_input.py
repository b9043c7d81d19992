#!/usr/bin/env python3
"""Real pointer and keyboard input for a wlroots compositor (sway).

Speaks the Wayland wire protocol directly (standard library only) and
creates one virtual pointer (zwlr_virtual_pointer_v1) and one virtual
keyboard (zwp_virtual_keyboard_v1, with a full US keymap) on the seat. The
compositor treats them as ordinary input devices, so the events reach
native Wayland clients and XWayland clients alike.

Usage:
    wl_input.py [--extent W H] COMMAND [COMMAND ...]   one-shot
    wl_input.py [--extent W H] --serve IN_FIFO OUT_FIFO

With --serve, commands are read one per line from IN_FIFO and each is
answered on OUT_FIFO with "ok" (or "error: ...") once the compositor has
processed it (a round trip), so a held button or key lasts across
commands, as a drag needs.

Commands (coordinates in the output layout, 0..W-1, 0..H-1):
    move X Y           pointer to X,Y
    down [BUTTON]      press BUTTON (left, right, middle; default left)
    up [BUTTON]        release it
    click [BUTTON]     press and release
    wheel STEPS        vertical wheel, positive = towards the user (down)
    key COMBO          press and release, e.g. F5, ctrl+z, shift+Tab, Return
    keydown COMBO      press (modifiers held until keyup)
    keyup COMBO        release
    type TEXT          types TEXT (the rest of the line), shifting as needed
    sleep SECONDS      waits
"""

import array
import os
import socket
import struct
import sys
import time

# Linux input event codes (linux/input-event-codes.h).
BUTTONS = {"left": 0x110, "right": 0x111, "middle": 0x112}

KEYS = {
    "Escape": 1, "BackSpace": 14, "Tab": 15, "Return": 28, "space": 57,
    "Control_L": 29, "Shift_L": 42, "Shift_R": 54, "Alt_L": 56, "Super_L": 125,
    "Caps_Lock": 58, "Home": 102, "Up": 103, "Prior": 104, "Page_Up": 104,
    "Left": 105, "Right": 106, "End": 107, "Down": 108, "Next": 109,
    "Page_Down": 109, "Insert": 110, "Delete": 111, "KP_Enter": 96,
    "F11": 87, "F12": 88,
}
KEYS.update({"F%d" % n: 58 + n for n in range(1, 11)})

# Characters of a US keyboard: (keycode, shifted).
CHARS = {}
for row, first in (("1234567890-=", 2), ("qwertyuiop[]", 16), ("asdfghjkl;'", 30),
                   ("zxcvbnm,./", 44)):
    for i, c in enumerate(row):
        CHARS[c] = (first + i, False)
for row, first in (('!@#$%^&*()_+', 2), ("QWERTYUIOP{}", 16), ('ASDFGHJKL:"', 30),
                   ("ZXCVBNM<>?", 44)):
    for i, c in enumerate(row):
        CHARS[c] = (first + i, True)
CHARS.update({"`": (41, False), "~": (41, True), "\\": (43, False), "|": (43, True),
              " ": (57, False), "\n": (28, False), "\t": (15, False)})

# Modifier names, their key and their mask in the keymap's real modifiers.
MODIFIERS = {
    "shift": (42, 1 << 0), "ctrl": (29, 1 << 2), "control": (29, 1 << 2),
    "alt": (56, 1 << 3), "super": (125, 1 << 6), "meta": (125, 1 << 6),
}

# Compiled by the compositor's xkbcommon from the system's XKB data; the
# clients receive it fully expanded.
KEYMAP = """xkb_keymap {
    xkb_keycodes { include "evdev+aliases(qwerty)" };
    xkb_types { include "complete" };
    xkb_compat { include "complete" };
    xkb_symbols { include "pc+us+inet(evdev)" };
    xkb_geometry { include "pc(pc105)" };
};
"""


def key_code(name):
    if name in KEYS:
        return KEYS[name]
    if len(name) == 1 and name.lower() in CHARS:
        return CHARS[name.lower()][0]
    raise ValueError("unknown key: %s" % name)


class Connection:
    def __init__(self):
        runtime = os.environ["XDG_RUNTIME_DIR"]
        display = os.environ.get("WAYLAND_DISPLAY", "wayland-0")
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(display if display.startswith("/") else os.path.join(runtime, display))
        self.next_id = 2
        self.buffer = b""
        self.globals = {}

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, obj, opcode, payload=b"", fds=()):
        message = struct.pack("=II", obj, ((8 + len(payload)) << 16) | opcode) + payload
        if fds:
            self.sock.sendmsg([message], [(socket.SOL_SOCKET, socket.SCM_RIGHTS, array.array("i", fds))])
        else:
            self.sock.sendall(message)

    def read_event(self):
        while True:
            if len(self.buffer) >= 8:
                obj, size_op = struct.unpack("=II", self.buffer[:8])
                size = size_op >> 16
                if len(self.buffer) >= size:
                    body, self.buffer = self.buffer[8:size], self.buffer[size:]
                    return obj, size_op & 0xFFFF, body
            data = self.sock.recv(65536)
            if not data:
                raise RuntimeError("the compositor closed the connection")
            self.buffer += data

    def roundtrip(self, on_event=None):
        callback = self.new_id()
        self.send(1, 0, struct.pack("=I", callback))  # wl_display.sync
        while True:
            obj, opcode, body = self.read_event()
            if obj == 1 and opcode == 0:  # wl_display.error
                _, code = struct.unpack("=II", body[:8])
                raise RuntimeError("protocol error %d: %s" % (code, unpack_string(body[8:])[0]))
            if obj == callback and opcode == 0:
                return
            if on_event:
                on_event(obj, opcode, body)


def pack_string(text):
    data = text.encode() + b"\0"
    return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)


def unpack_string(body):
    (length,) = struct.unpack("=I", body[:4])
    return body[4:4 + length - 1].decode(), body[4 + ((length + 3) & ~3):]


def fixed(value):
    return int(round(value * 256))


class VirtualInput:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.conn = Connection()
        registry = self.conn.new_id()
        self.conn.send(1, 1, struct.pack("=I", registry))  # wl_display.get_registry

        def on_global(obj, opcode, body):
            if obj == registry and opcode == 0:
                (name,) = struct.unpack("=I", body[:4])
                interface, rest = unpack_string(body[4:])
                self.conn.globals[interface] = (name, struct.unpack("=I", rest[:4])[0])

        self.conn.roundtrip(on_global)
        needed = ("wl_seat", "zwlr_virtual_pointer_manager_v1", "zwp_virtual_keyboard_manager_v1")
        missing = [n for n in needed if n not in self.conn.globals]
        if missing:
            raise RuntimeError("the compositor lacks " + ", ".join(missing))

        def bind(interface):
            object_id = self.conn.new_id()
            name, _ = self.conn.globals[interface]
            self.conn.send(registry, 0, struct.pack("=I", name) + pack_string(interface)
                           + struct.pack("=II", 1, object_id))
            return object_id

        seat = bind("wl_seat")
        pointer_manager = bind("zwlr_virtual_pointer_manager_v1")
        keyboard_manager = bind("zwp_virtual_keyboard_manager_v1")
        self.pointer = self.conn.new_id()
        self.conn.send(pointer_manager, 0, struct.pack("=II", seat, self.pointer))
        self.keyboard = self.conn.new_id()
        self.conn.send(keyboard_manager, 0, struct.pack("=II", seat, self.keyboard))
        keymap = KEYMAP.encode() + b"\0"
        fd = os.memfd_create("keymap")
        os.write(fd, keymap)
        self.conn.send(self.keyboard, 0, struct.pack("=II", 1, len(keymap)), fds=(fd,))  # XKB_V1
        os.close(fd)
        self.modifiers = 0
        self.conn.roundtrip()

    @staticmethod
    def now():
        return int(time.monotonic() * 1000) & 0xFFFFFFFF

    # Pointer.
    def move(self, x, y):
        self.conn.send(self.pointer, 1, struct.pack("=IIIII", self.now(), int(x), int(y),
                                                    self.width, self.height))
        self.conn.send(self.pointer, 4)  # frame

    def button(self, name, pressed):
        if name not in BUTTONS:
            raise ValueError("unknown button: %s" % name)
        self.conn.send(self.pointer, 2, struct.pack("=III", self.now(), BUTTONS[name], int(pressed)))
        self.conn.send(self.pointer, 4)

    def wheel(self, steps):
        self.conn.send(self.pointer, 5, struct.pack("=I", 0))  # axis_source wheel
        self.conn.send(self.pointer, 3, struct.pack("=IIi", self.now(), 0, fixed(15 * steps)))
        self.conn.send(self.pointer, 4)

    # Keyboard.
    def send_modifiers(self):
        self.conn.send(self.keyboard, 2, struct.pack("=IIII", self.modifiers, 0, 0, 0))

    def key(self, code, pressed):
        self.conn.send(self.keyboard, 1, struct.pack("=III", self.now(), code, int(pressed)))

    def combo(self, text, press=True, release=True):
        parts = text.split("+") if text != "+" else ["+"]
        *mods, name = parts
        if len(name) == 1 and name in CHARS:
            code, shifted = CHARS[name]
            if shifted:
                mods.append("shift")
        else:
            code = key_code(name)
        mod_keys = []
        for mod in mods:
            if mod.lower() not in MODIFIERS:
                raise ValueError("unknown modifier: %s" % mod)
            mod_keys.append(MODIFIERS[mod.lower()])
        if press:
            for mod_code, mask in mod_keys:
                self.key(mod_code, True)
                self.modifiers |= mask
                self.send_modifiers()
            self.key(code, True)
        if press and release:
            self.conn.roundtrip()
            time.sleep(0.02)
        if release:
            self.key(code, False)
            for mod_code, mask in reversed(mod_keys):
                self.key(mod_code, False)
                self.modifiers &= ~mask
                self.send_modifiers()

    def type_text(self, text):
        for ch in text:
            if ch not in CHARS:
                raise ValueError("cannot type %r" % ch)
            code, shifted = CHARS[ch]
            if shifted:
                self.key(42, True)
                self.modifiers |= 1
                self.send_modifiers()
            self.key(code, True)
            self.key(code, False)
            if shifted:
                self.key(42, False)
                self.modifiers &= ~1
                self.send_modifiers()
            self.conn.roundtrip()
            time.sleep(0.01)

    def run(self, line):
        words = line.split()
        if not words:
            return
        command, args = words[0], words[1:]
        if command == "move":
            self.move(float(args[0]), float(args[1]))
        elif command in ("down", "up"):
            self.button(args[0] if args else "left", command == "down")
        elif command == "click":
            name = args[0] if args else "left"
            self.button(name, True)
            self.conn.roundtrip()
            time.sleep(0.03)
            self.button(name, False)
        elif command == "wheel":
            self.wheel(int(args[0]))
        elif command == "key":
            for combo in args:
                self.combo(combo)
                self.conn.roundtrip()
        elif command == "keydown":
            self.combo(args[0], release=False)
        elif command == "keyup":
            self.combo(args[0], press=False)
        elif command == "type":
            self.type_text(line.split(None, 1)[1] if len(words) > 1 else "")
        elif command == "sleep":
            time.sleep(float(args[0]))
        else:
            raise ValueError("unknown command: %s" % command)
        self.conn.roundtrip()


def main(argv):
    width, height = 1920, 1080
    if len(argv) >= 3 and argv[0] == "--extent":
        width, height, argv = int(argv[1]), int(argv[2]), argv[3:]
    device = VirtualInput(width, height)
    if argv and argv[0] == "--serve":
        with open(argv[1], "r") as commands, open(argv[2], "w") as replies:
            for line in commands:
                try:
                    device.run(line.rstrip("\n"))
                    replies.write("ok\n")
                except (ValueError, IndexError) as error:
                    replies.write("error: %s\n" % error)
                replies.flush()
        return 0
    for command in argv:
        device.run(command)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except (OSError, RuntimeError, KeyError) as error:
        print("wl_input: %s" % error, file=sys.stderr)
        sys.exit(1)
