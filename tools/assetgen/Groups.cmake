# The generator groups, one source file each under groups/. The build makes one command per group, so
# this list must be known before anything is compiled.
set(ASSETGEN_GROUPS
    icon
    layout
    settings
    splash
    splashsound
)
