#!/usr/bin/python3
"""Runs the generator's tests and closes with one line:
"assetgen: N passed, N failed"."""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))

suite = unittest.defaultTestLoader.discover(HERE)
result = unittest.TextTestRunner(verbosity=2).run(suite)
failed = {getattr(t, "test_case", t).id() for t, _ in result.failures + result.errors}   # a sub-test counts as its test
passed = result.testsRun - len(failed) - len(result.skipped)
print("assetgen: %d passed, %d failed" % (passed, len(failed)))
sys.exit(0 if result.wasSuccessful() and result.testsRun > 0 else 1)
