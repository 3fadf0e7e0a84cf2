# Prints the window that owns the X selection named by the argument (such as CLIPBOARD),
# or 0x0 if none does. The X server answers this itself, so an owner that has stopped
# holds nobody up, unlike a request for the selection's contents.
import ctypes
import sys

xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XInternAtom.restype = ctypes.c_ulong
xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
xlib.XGetSelectionOwner.restype = ctypes.c_ulong
xlib.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]

display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
owner = xlib.XGetSelectionOwner(display, xlib.XInternAtom(display, sys.argv[1].encode(), 0))
xlib.XCloseDisplay(display)
print(hex(owner))
