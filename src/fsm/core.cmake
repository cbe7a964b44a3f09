# Window-free files of src/fsm are added here with target_sources(korvalt_core ...).
