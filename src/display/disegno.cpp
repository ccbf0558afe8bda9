// Placeholder until the drawing code lands.
