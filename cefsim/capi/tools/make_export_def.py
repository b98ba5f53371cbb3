"""Writes the module-definition file of the C-API libcef.dll.

Under mingw CEF_EXPORT is only a visibility attribute, so the export table
is made from this list: CEF's C API as read from its sources, and the
control interface (the functions the control headers declare with
CEFSIM_EXPORT). Names are undecorated, as CEF's C API is cdecl.
"""

import argparse
import os
import re

import cef_sources


def control_names(control_dir):
  names = set()
  pattern = re.compile(r"\bCEFSIM_EXPORT\b[^;{}()]*?\b([A-Za-z_]\w*)\s*\(")
  for path in cef_sources.files_under(control_dir, (".h",)):
    text = cef_sources.strip_comments(cef_sources.read(path))
    names.update(pattern.findall(re.sub(r"(?m)^[ \t]*#.*$", "", text)))
  return names


def main():
  parser = argparse.ArgumentParser(description=__doc__)
  parser.add_argument("--include-root", required=True)
  parser.add_argument("--library-root", required=True)
  parser.add_argument("--control-dir", required=True)
  parser.add_argument("--output", required=True)
  args = parser.parse_args()

  api = cef_sources.c_api_names(args.include_root, args.library_root)
  control = control_names(args.control_dir)
  if not api or not control:
    raise SystemExit("make_export_def: found no C API or no control function")
  clash = api & control
  if clash:
    raise SystemExit("make_export_def: control functions with CEF's names: " +
                     ", ".join(sorted(clash)))
  lines = ["LIBRARY libcef.dll", "EXPORTS"]
  lines += ["  " + name for name in sorted(api)]
  lines += ["  " + name for name in sorted(control)]
  cef_sources.write_if_changed(args.output, "\n".join(lines) + "\n")


if __name__ == "__main__":
  main()
