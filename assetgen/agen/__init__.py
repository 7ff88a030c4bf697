"""Drawing, sound and font kinds used by the asset generator."""
