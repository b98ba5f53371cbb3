"""Checks the export table of the C-API libcef.dll.

Every function that CEF 109's headers declare with CEF_EXPORT and every
control function (CEFSIM_EXPORT in the control headers) must be exported,
and nothing else: no C++ name, no engine-internal function.
"""

import argparse
import re
import subprocess
import sys
from pathlib import Path

_DECLARED = re.compile(r"\b%s\b[^;{}()]*?\b([A-Za-z_]\w*)\s*\(")
_COMMENT = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)
_DIRECTIVE = re.compile(r"^[ \t]*#.*$", re.M)


def declared(root, macro):
  pattern = re.compile(_DECLARED.pattern % macro)
  names = set()
  for header in Path(root).rglob("*.h"):
    text = _COMMENT.sub(" ", header.read_text(encoding="utf-8"))
    names.update(pattern.findall(_DIRECTIVE.sub("", text)))
  return names


def exported(objdump, dll):
  """Names in the DLL's export table, as objdump -p prints it."""
  out = subprocess.run([objdump, "-p", dll], check=True, capture_output=True,
                       text=True).stdout
  table = out.split("[Ordinal/Name Pointer] Table", 1)
  if len(table) != 2:
    sys.exit("no export name table in %s" % dll)
  names = set()
  for line in table[1].splitlines():
    match = re.match(r"\s*\[\s*\d+\]\s+(\S+)\s*$", line)
    if match:
      names.add(match.group(1))
    elif names and not line.strip():
      break
  return names


def main():
  parser = argparse.ArgumentParser(description=__doc__)
  parser.add_argument("--objdump", required=True)
  parser.add_argument("--dll", required=True)
  parser.add_argument("--cef-include", required=True,
                      help="the folder holding CEF's include/")
  parser.add_argument("--control-include", required=True)
  args = parser.parse_args()

  api = declared(Path(args.cef_include) / "include", "CEF_EXPORT")
  control = declared(args.control_include, "CEFSIM_EXPORT")
  exports = exported(args.objdump, args.dll)
  # CEF 109's C API: the families every client needs are there in full.
  for family, least in (("cef_string_", 40), ("cef_v8value_create_", 10),
                        ("cef_time_", 8)):
    if len([n for n in api if n.startswith(family)]) < least:
      sys.exit("the headers' C API looks cut short at %s*" % family)

  failures = []
  missing = sorted(api - exports)
  if missing:
    failures.append("C API functions not exported (%d): %s" %
                    (len(missing), " ".join(missing)))
  missing_control = sorted(control - exports)
  if missing_control:
    failures.append("control functions not exported: " +
                    " ".join(missing_control))
  extra = sorted(exports - api - control)
  if extra:
    failures.append("exports that are neither CEF's C API nor the control "
                    "interface (%d): %s" % (len(extra), " ".join(extra[:40])))
  if failures:
    sys.exit("\n".join(failures))
  print("%d C API and %d control functions exported, nothing else" %
        (len(api), len(control)))


if __name__ == "__main__":
  main()
