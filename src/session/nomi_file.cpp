// Placeholder until the naming rules land.
