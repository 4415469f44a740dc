#!/usr/bin/python3
"""Stands in for a desktop's command-line tool: appends its arguments, one per line and
then an empty line, to the file named by PENDREL_TEST_ARGUMENT_LOG."""

import os
import sys

with open(os.environ["PENDREL_TEST_ARGUMENT_LOG"], "a", encoding="utf-8") as log:
    log.write("".join(arg + "\n" for arg in sys.argv[1:]) + "\n")
