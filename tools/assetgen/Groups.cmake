# The generator groups, one source file each under groups/. The build makes one command per group, so
# this list must be known before anything is compiled.
set(ASSETGEN_GROUPS
    bigtext
    board
    bombs
    buttons
    dialogs
    fonts
    gems
    hud
    icon
    intro
    items
    layout
    loading
    map
    menuscreens
    particles
    powerups
    music_gameend
    music_intro
    music_level1
    music_level2
    music_level3
    music_level4
    music_level5
    music_levelend
    music_title
    settings
    shop
    sfx_board
    sfx_bombs
    sfx_powerups
    sfx_rewards
    sfx_scenes
    sfx_ui
    splash
    splashsound
    story
    title
    tutorial
    vaults
    village
    wilds
)

# A group with more than one job keeps the parts beside its source in a folder of its name; editing a
# part reruns that group only. ASSETGEN_PARTS_<group> lists them, relative to groups/.
set(ASSETGEN_PARTS_board
    board/parts.h board/frame.cpp board/ornaments.cpp board/tiles.cpp board/lights.cpp)
