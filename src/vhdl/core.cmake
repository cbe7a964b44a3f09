# Window-free files of src/vhdl are added here with target_sources(korvalt_core ...).
