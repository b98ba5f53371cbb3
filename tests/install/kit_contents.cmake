# What the installed kit holds, for the checks of the install tree and of
# the release ZIP.

# Files that must be there, relative to the install folder.
set(ORV_KIT_FILES
    bin/orvcef.dll bin/orvbrowser.exe include/orvcef.h lib/liborvcef.dll.a
    lib/orvcef.def lib/README.txt page/orvcef-page.js page/orvcef-page.d.ts
    examples/sample_host/sample_host.cc docs/host-guide.md
    docs/genuine-cef.md docs/cefsim.md simulated-runtime/libcef.dll
    simulated-runtime/include/cefsim/control.h)

# The ten exports of orvcef.dll, with their stdcall decoration (argument
# bytes after the @). The DLL exports them under the plain names.
set(ORV_KIT_EXPORTS
    OrvCefStart@20 OrvCefTerm@0 OrvCefPrevTerm@0 OrvCefInitialized@0
    OrvCefGetMainWindowHandle@0 OrvCefSetMsgWnd@4 OrvCefReloadMainBrowser@0
    OrvCefRunJs@4 OrvCefSetErrorPage@4 OrvCefSetProxy@12)
