#!/usr/bin/env python3
"""Draws every picture of Tapriko++ as SVG (the package pictures/, one module per family).

Run from anywhere:  python3 resources/tools/make_pictures.py
"""

import os
import runpy
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
runpy.run_module("pictures", run_name="__main__")
