#!/bin/sh
# Starts the program from its own folder, so that it finds the path file beside that folder.
exec "@KAKEDORI_PROGRAM_PATH@" "$@"
