"""The shipped program as a user meets it: real clicks, keys and drops on the
real window under Wine, read back from another process."""

import os
import time
import unittest

import tomeflip_gui as gui

ARROW = "  \u2192  "
FAILED = "  : \uc2e4\ud328"

# The controls in template order. Their styles are checked in the built
# template: at run time the system adds and removes some of them.
CONTROLS = [
    (2, "Button", "\uc885\ub8cc"),                                   # 종료
    (1001, "Button", "ZIP \u2192 CBZ \ubcc0\ud658"),                 # ZIP → CBZ 변환
    (-1, "Button", "\uc791\uc5c5"),                                  # 작업
    (1002, "Button", "CBZ \u2192 ZIP \ubcc0\ud658"),                 # CBZ → ZIP 변환
    (1005, "Static", "\ud0d0\uc0c9\uae30\uc5d0\uc11c \uc555\ucd95\ud30c\uc77c\uc774\ub098 \ud3f4\ub354\ub97c "
                     "\uc5ec\uae30\ub85c \ub4dc\ub798\uadf8&&\ub4dc\ub86d\uc73c\ub85c \ub5a8\uad6c\uba74 "
                     "\ubcc0\ud658\uc774 \ub429\ub2c8\ub2e4."),
    (-1, "Button", "\uba54\uc2dc\uc9c0"),                            # 메시지
    (1004, "ListBox", ""),
]


def success(old, new):
    return old + ARROW + new + " "


def centre(rect):
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


def shots_dir():
    path = os.environ.get("TOMEFLIP_SHOTS", ".")
    os.makedirs(path, exist_ok=True)
    return path


class DialogTest(unittest.TestCase):
    def setUp(self):
        self.program = None
        self.tree = gui.Tree()

    def tearDown(self):
        if self.program:
            self.program.kill()
        self.tree.remove()

    def start(self, *args, **kwargs):
        self.program = gui.Program(*args, **kwargs)
        return self.program.probe()

    def assert_start_state(self, state):
        self.assertEqual("Tomeflip", state["caption"])
        found = [(c["id"], c["class"], c["text"]) for c in state["controls"]]
        self.assertEqual(CONTROLS, found)
        self.assertEqual(1, state["by_id"][1001]["check"])
        self.assertEqual(0, state["by_id"][1002]["check"])
        self.assertEqual(2, state["focus"])
        self.assertEqual([], state["by_id"][1004]["lines"])

    def test_a_session_of_drops(self):
        state = self.start()
        self.assert_start_state(state)

        # centred on the work area of the monitor
        left, top, right, bottom = state["rect"]
        work = state["work"]
        self.assertEqual((work[0] + work[2]) // 2 - (right - left) // 2, left)
        self.assertEqual((work[1] + work[3]) // 2 - (bottom - top) // 2, top)

        # Enter while the list has the focus does nothing
        self.program.click_control(1004)
        self.assertEqual(1004, self.program.wait_for(lambda s: s["focus"] == 1004)["focus"])
        self.program.key("Return")
        time.sleep(2)
        self.assertIsNone(self.program.process.poll())
        self.assertEqual("Tomeflip", self.program.probe()["caption"])

        # files and folders, to comic-book archives
        t = self.tree
        t.file("b.zip")
        t.file("A.RAR")
        t.file("notes.txt")
        t.file("comics/vol.1.zip")
        t.file("comics/deeper/x.rar")
        t.file("comics/deeper/x.cbr")
        t.file("comics/deeper/\ub9cc\ud654 100%.zip")
        gui.drop([t.path("b.zip"), t.path("comics"), t.path("notes.txt"), t.path("A.RAR")],
                 *centre(state["by_id"][1004]["rect"]))
        expected = sorted([success("b.zip", "b.cbz"), success("A.RAR", "A.cbr"), success("vol.1.zip", "vol.1.cbz"),
                           "x.rar" + ARROW + "x.cbr" + FAILED,
                           success("\ub9cc\ud654 100%.zip", "\ub9cc\ud654 100%.cbz")], key=str.lower)
        state = self.program.wait_for(lambda s: len(s["by_id"][1004]["lines"]) == len(expected))
        self.assertEqual(expected, state["by_id"][1004]["lines"])
        for name in ["b.cbz", "A.cbr", "notes.txt", "comics/vol.1.cbz", "comics/deeper/x.rar", "comics/deeper/x.cbr",
                     "comics/deeper/\ub9cc\ud654 100%.cbz"]:
            self.assertTrue(t.exists(name), name)
        gui.screenshot(os.path.join(shots_dir(), "after-drop.png"))

        # the other direction, chosen with a click
        self.program.click_control(1002)
        state = self.program.wait_for(lambda s: s["by_id"][1002]["check"] == 1)
        self.assertEqual((0, 1), (state["by_id"][1001]["check"], state["by_id"][1002]["check"]))
        gui.drop([t.path("b.cbz"), t.path("comics")], *centre(state["by_id"][1004]["rect"]))
        expected = sorted([success("b.cbz", "b.zip"), success("vol.1.cbz", "vol.1.zip"),
                           "x.cbr" + ARROW + "x.rar" + FAILED,
                           success("\ub9cc\ud654 100%.cbz", "\ub9cc\ud654 100%.zip")], key=str.lower)
        state = self.program.wait_for(lambda s: s["by_id"][1004]["lines"] == expected)
        self.assertEqual(expected, state["by_id"][1004]["lines"])
        self.assertTrue(t.exists("b.zip") and t.exists("comics/vol.1.zip"))

        # a drop that matches nothing empties the list
        gui.drop([t.path("notes.txt"), t.path("b.zip")], *centre(state["by_id"][1004]["rect"]))
        state = self.program.wait_for(lambda s: s["by_id"][1004]["lines"] == [])
        self.assertEqual([], state["by_id"][1004]["lines"])
        self.assertTrue(t.exists("b.zip"))

        # back to the first direction; Esc ends the dialog
        self.program.click_control(1001)
        self.assertEqual(1, self.program.wait_for(lambda s: s["by_id"][1001]["check"] == 1)["by_id"][1001]["check"])
        self.program.key("Escape")
        self.assertEqual(0, self.program.exit_code())

    def test_enter_on_the_exit_button_ends_it_whatever_the_arguments(self):
        dropped = self.tree.file("given.zip")
        state = self.start(args=[gui.windows_path(dropped), "/s", "--mode=0", "-h"])
        self.assert_start_state(state)
        # Tab goes round the tab stops: the selected radio button, the list,
        # and back to the exit button.
        for focus in (1001, 1004, 2):
            self.program.key("Tab")
            self.assertEqual(focus, self.program.wait_for(lambda s: s["focus"] == focus)["focus"])
        self.program.key("Return")
        self.assertEqual(0, self.program.exit_code())
        self.assertTrue(self.tree.exists("given.zip"))

    def test_the_close_box_ends_it(self):
        state = self.start(desktop="1024x768")
        self.assert_start_state(state)
        gui.screenshot(os.path.join(shots_dir(), "dialog.png"))
        left, top, right, _ = state["rect"]
        # the close box sits at the right end of the caption bar
        gui.click(right - 14, top + 14)
        self.assertEqual(0, self.program.exit_code())

    def test_on_a_screen_smaller_than_the_dialog_it_keeps_to_the_top_left(self):
        state = self.start(desktop="400x300")
        self.assertEqual(state["work"][:2], state["rect"][:2])
        self.assertGreater(state["rect"][2] - state["rect"][0], state["work"][2] - state["work"][0])
        self.program.key("Escape")
        self.assertEqual(0, self.program.exit_code())

    def test_without_its_template_it_still_ends_with_0(self):
        program = gui.Program(exe=os.environ["TOMEFLIP_WITHOUT_TEMPLATE"])
        self.assertEqual(0, program.exit_code(timeout=gui.START_SECONDS))


if __name__ == "__main__":
    unittest.main()
